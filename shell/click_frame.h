// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <QPoint>

#include "shell/keypad_look.h"

namespace trellum::shell {

// A frame that reports mouse presses on its background (around the display, the keypad).
class ClickFrame : public QFrame {
    Q_OBJECT
public:
    ClickFrame(PanelLook look, QWidget* parent) : QFrame(parent), m_look(look) {}

signals:
    void pressed(Qt::MouseButton button, QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PanelLook m_look;
};

}  // namespace trellum::shell
