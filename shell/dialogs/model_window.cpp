#include "shell/dialogs/dialogs.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHideEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QAbstractButton>
#include <QLabel>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QApplication>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

namespace trellum::shell {

void placeControl(QWidget* control, Twips left, Twips top, Twips width, Twips height, int yOffset)
{
    const TwipsScale scale = TwipsScale::of(control);
    // Edges converted, not lengths: controls the design puts edge to edge stay
    // so at any resolution, as on the main window.
    QRect rect = scale.rect(left, top, width, height).translated(0, yOffset);
    if (qobject_cast<QLabel*>(control)) {
        const QSize hint = control->sizeHint();
        rect.setWidth(std::max(rect.width(), hint.width()));
        // A line taller than the design's (Chinese and Japanese glyphs come from a
        // fallback font with more leading) grows up and down alike, so the text
        // stays on the design's line and clear of the list below it.
        const int taller = std::max(0, hint.height() - rect.height());
        rect.adjust(0, -(taller / 2), 0, taller - taller / 2);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // A translated caption longer than the English one widens its button
        // rather than being cut; English captions fit the design widths.
        QString caption = button->text();
        caption.remove(u'&');
        const int needed = button->fontMetrics().horizontalAdvance(caption) + 16;
        rect.setWidth(std::max(rect.width(), needed));
    }
    control->setGeometry(rect);
}

int titleRoom(const QWidget* window)
{
    return window->width() - TwipsScale::of(window).toPixels(1500_tw);
}

int titleWidth(const QWidget* window)
{
    QFont font = window->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window->windowTitle());
}

void widenWindow(QWidget* window, int extra, std::initializer_list<QWidget*> stretched,
                 std::initializer_list<QWidget*> moved)
{
    if (extra <= 0) return;
    for (QWidget* control : stretched) control->resize(control->width() + extra, control->height());
    for (QWidget* control : moved) control->move(control->x() + extra, control->y());
    window->setFixedSize(window->width() + extra, window->height());
}

int titleShortfall(const QWidget* window)
{
    return std::max(0, titleWidth(window) - titleRoom(window));
}

int rightShortfall(const QWidget* window, const QWidget* control, int margin)
{
    return std::max(0, control->x() + control->width() + margin - window->width());
}

int matchWidths(std::initializer_list<QWidget*> controls)
{
    int widest = 0;
    for (const QWidget* control : controls) widest = std::max(widest, control->width());
    for (QWidget* control : controls) control->resize(widest, control->height());
    return widest;
}

QMargins reportedFrameExtents(const QWidget* window)
{
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    if (!handle) return {};
    // While the window manager is still building the frame, Qt can measure it
    // at 1x1 and report negative extents: those count as not known yet.
    const QMargins m = handle->frameMargins();
    return m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0 ? m : QMargins();
}

void centerOnScreen(QWidget* window)
{
    if (!window) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect client = window->geometry();
    // An empty geometry (a window not sized yet) would put its corner in the middle.
    if (screen && !client.isEmpty()) {
        const QRect area = screen->geometry();
        // The extents the window manager reports; Qt's frame position can lag
        // behind them for a moment after the window is framed.
        QMargins frame = reportedFrameExtents(window);
        // Before its first showing a window has no frame yet; the frame of the
        // window that opens it, from the same window manager, stands in until
        // the window's own is known (its owner centres it again then).
        if (frame.isNull() && window->parentWidget()) frame = reportedFrameExtents(window->parentWidget()->window());
        const QSize size = client.size().grownBy(frame);
        // Halves in single precision before the subtraction. A window larger than
        // the screen starts at its top or left edge: a title bar above the
        // screen could never be grabbed to move the window.
        const float top = std::max(0.0F, static_cast<float>(area.height()) / 2 - static_cast<float>(size.height()) / 2);
        const float left = std::max(0.0F, static_cast<float>(area.width()) / 2 - static_cast<float>(size.width()) / 2);
        // Placed by its client area, the frame's extents added: a frame position
        // given while the window manager is still framing the window is taken
        // as the client's by Qt, and the window would land a title bar too high.
        const QPoint corner(area.x() + qRound(left) + frame.left(), area.y() + qRound(top) + frame.top());
        window->setGeometry(QRect(corner, client.size()));
    }
    QGuiApplication::restoreOverrideCursor();
}

namespace {

// Shown model windows in the order they opened; dialogs open over one another.
std::vector<ModelWindow*>& shownWindows()
{
    static std::vector<ModelWindow*> windows;
    return windows;
}

void forget(ModelWindow* window)
{
    std::vector<ModelWindow*>& windows = shownWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

// A list line is a number or "name = number": in a mirrored window it stands
// at the right but reads as written, sign first ("-1.5", never "1.5-").
class LeftToRightLines : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->direction != Qt::RightToLeft) return;
        option->direction = Qt::LeftToRight;
        option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }
};

// Right to left, the design's places are mirrored: what stood at the left
// edge stands at the right, the lists keeping their lines' own order.
void mirrorForRightToLeft(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow()) continue;
        control->move(window->width() - control->x() - control->width(), control->y());
        if (auto* list = qobject_cast<QListWidget*>(control)) list->setItemDelegate(new LeftToRightLines(list));
    }
}

}  // namespace

ModelWindow::ModelWindow(QWidget* parent, const char* objectName, const QIcon& icon) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowIcon(icon);
    setModal(true);
    // Fixed-size dialogs: a close button, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void ModelWindow::forward(const std::function<void()>& handler)
{
    if (handler) handler();
    if (isClosed && isClosed()) {
        done(QDialog::Accepted);
        return;
    }
    if (renderModel) renderModel();
}

const std::function<void()>& ModelWindow::cancelHandler() const { return escapeKey ? escapeKey : windowClose; }

void ModelWindow::cancelModel()
{
    if (const std::function<void()>& cancel = cancelHandler()) cancel();
}

std::vector<ModelWindow*> ModelWindow::openWindows() { return shownWindows(); }

ModelWindow::~ModelWindow() { forget(this); }

void ModelWindow::forwardClicks(QAbstractButton* button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] { forward(handler); });
}

void ModelWindow::forwardSelection(QListWidget* list, std::function<void(int row)> handler)
{
    // The list opens with no current row: one made current without a selection
    // (the list taking the focus) is drawn highlighted, and Down would move on
    // from it to the second line instead of choosing the first.
    QItemSelectionModel* selection = list->selectionModel();
    connect(selection, &QItemSelectionModel::currentChanged, this, [selection](const QModelIndex& current) {
        if (current.isValid() && !selection->isSelected(current)) selection->clearCurrentIndex();
    });
    list->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, handler = std::move(handler)] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (selected.isEmpty()) return;
        const int row = list->row(selected.front());
        forward([&handler, row] { handler(row); });
    });
}

// With no current line a list takes every move to its first line; End means the last.
bool ModelWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A menu bar here holds the keyboard only while one of its menus is open.
    if (auto* bar = qobject_cast<QMenuBar*>(watched); bar && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, this, [this, bar] {
            if (bar->hasFocus() && !QApplication::activePopupWidget()) focusNextChild();
        });
    }
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress && list->currentRow() < 0 && list->count() > 0) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_End && key->modifiers() == Qt::NoModifier) {
            list->setCurrentRow(list->count() - 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ModelWindow::reject()
{
    // QDialog routes Esc here; a dialog with a cancel button answers Esc with it.
    forward(cancelHandler());
}

void ModelWindow::closeEvent(QCloseEvent* event)
{
    if (isVisible()) forward(windowClose);
    // A model that stays open keeps its window, and with it the user's input.
    if (isVisible())
        event->ignore();
    else
        event->accept();
}

void ModelWindow::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous()) forget(this);
    QDialog::hideEvent(event);
}

void ModelWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        forget(this);
        shownWindows().push_back(this);
    }
    if (!m_centred && !event->spontaneous()) {
        m_centred = true;
        m_centrePending = true;
        if (isRightToLeft()) mirrorForRightToLeft(this);
        centerOnScreen(this);
    }
    QDialog::showEvent(event);
}

bool ModelWindow::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    // The whole window is centred, frame included: once the window manager has
    // framed it, its reported extents replace the estimate used before showing.
    if (m_centrePending && isVisible()) {
        // Right after framing Qt may still split the frame wrongly between its
        // sides; centred again until the extents hold still and nothing moves.
        const QMargins extents = reportedFrameExtents(this);
        if (!extents.isNull()) {
            const QRect before = geometry();
            centerOnScreen(this);
            if (geometry() == before && extents == m_centredExtents) {
                m_centrePending = false;
                // A window manager busy under load may still apply a configure
                // it queued while framing; one late look puts the window back.
                QTimer::singleShot(300, this, [this] {
                    if (isVisible()) centerOnScreen(this);
                });
            }
            m_centredExtents = extents;
        }
    }
    return handled;
}

}  // namespace trellum::shell
