// SPDX-License-Identifier: MIT
#pragma once

#include "shell/keyboard.h"
#include "shell/keypad_look.h"

namespace trellum::shell {

// The "=" key: holds the keyboard focus and hands on every key typed there.
class EqualKey : public KeyButton {
    Q_OBJECT
public:
    EqualKey(const KeyRow& row, KeyFaces& faces, QWidget* parent) : KeyButton(row, faces, parent) {}

signals:
    void typed(const trellum::shell::Typed& typed);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace trellum::shell
