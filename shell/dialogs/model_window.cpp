#include "shell/dialogs/dialogs.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QShowEvent>

namespace trellum::shell {

int TwipsToPixels(int twips, const QWidget* w)
{
    const int dpi = w ? w->logicalDpiX() : 96;
    return qRound(twips * dpi / 1440.0);
}

void SetTwipsGeometry(QWidget* control, int left, int top, int width, int height, int yOffset)
{
    QRect rect(TwipsToPixels(left, control), TwipsToPixels(top, control) + yOffset,
               TwipsToPixels(width, control), TwipsToPixels(height, control));
    if (qobject_cast<QLabel*>(control)) {
        const QSize hint = control->sizeHint();
        rect.setWidth(std::max(rect.width(), hint.width()));
        rect.setHeight(std::max(rect.height(), hint.height()));
    }
    control->setGeometry(rect);
}

void CenterForm(QWidget* window)
{
    if (!window) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        const QSize frame = window->frameGeometry().size();
        // Halves in single precision before the subtraction; a window larger than
        // the screen keeps its negative place.
        const float top = static_cast<float>(area.height()) / 2 - static_cast<float>(frame.height()) / 2;
        const float left = static_cast<float>(area.width()) / 2 - static_cast<float>(frame.width()) / 2;
        window->move(area.x() + qRound(left), area.y() + qRound(top));
    }
    QGuiApplication::restoreOverrideCursor();
}

ModelWindow::ModelWindow(QWidget* parent, const char* objectName, const QIcon& icon) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowIcon(icon);
    setModal(true);
    // Fixed-size dialogs: a close button, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void ModelWindow::Forward(const std::function<void()>& handler)
{
    if (handler) handler();
    if (IsClosed && IsClosed()) {
        done(QDialog::Accepted);
        return;
    }
    if (Render) Render();
}

void ModelWindow::ForwardClicks(QAbstractButton* button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] { Forward(handler); });
}

void ModelWindow::ForwardSelection(QListWidget* list, std::function<void(int row)> handler)
{
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, handler = std::move(handler)] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        if (selected.isEmpty()) return;
        const int row = list->row(selected.front());
        Forward([&handler, row] { handler(row); });
    });
}

void ModelWindow::reject()
{
    // QDialog routes Esc here; a dialog with a cancel button answers Esc with it.
    Forward(EscapeKey ? EscapeKey : FormClose);
}

void ModelWindow::closeEvent(QCloseEvent* event)
{
    if (isVisible()) Forward(FormClose);
    // A model that stays open keeps its window, and with it the user's input.
    if (isVisible())
        event->ignore();
    else
        event->accept();
}

void ModelWindow::showEvent(QShowEvent* event)
{
    if (!m_centred && !event->spontaneous()) {
        m_centred = true;
        CenterForm(this);
    }
    QDialog::showEvent(event);
}

}  // namespace trellum::shell
