// SPDX-License-Identifier: MIT
#include "shell/click_frame.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPainter>

namespace trellum::shell {

void ClickFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintPanel(p, rect(), m_look);
}

void ClickFrame::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    // A key passes on the buttons it does not take (the right one): such a
    // press is on a key, not between the keys, and means nothing.
    for (QWidget* under = childAt(event->position().toPoint()); under && under != this; under = under->parentWidget()) {
        if (qobject_cast<QAbstractButton*>(under)) return;
    }
    emit pressed(event->button(), event->globalPosition().toPoint());
}

}  // namespace trellum::shell
