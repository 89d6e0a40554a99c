// SPDX-License-Identifier: MIT
#include "shell/equal_key.h"

#include <QKeyEvent>

namespace trellum::shell {

bool EqualKey::event(QEvent* event)
{
    // Tab belongs to the keyboard here, not to focus navigation: the focus
    // never leaves "=".
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QPushButton::event(event);
}

void EqualKey::keyPressEvent(QKeyEvent* event)
{
    // A focused push button is pressed by the space bar, as any button is.
    if (event->key() == Qt::Key_Space) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    emit typed(typedKeyOf(*event));
}

void EqualKey::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
}

}  // namespace trellum::shell
