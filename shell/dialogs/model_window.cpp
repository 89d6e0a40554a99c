// SPDX-License-Identifier: MIT
#include "shell/dialogs/dialogs.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>

#include "shell/window_geometry.h"

namespace trellum::shell {

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
        if (isRightToLeft()) mirrorForRightToLeft(this);
        centreOnScreen(this);
        // The whole window is centred, frame included: once the window manager
        // has framed it, its reported extents replace the estimate used now.
        m_placeWhenFramed.ask([this] { centreOnScreen(this); });
    }
    QDialog::showEvent(event);
}

bool ModelWindow::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (m_placeWhenFramed.settle(this)) {
        // A window manager busy under load may still apply a configure it
        // queued while framing; one late look puts the window back.
        QTimer::singleShot(300, this, [this] {
            if (isVisible()) centreOnScreen(this);
        });
    }
    return handled;
}

}  // namespace trellum::shell
