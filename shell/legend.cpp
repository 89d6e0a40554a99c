// SPDX-License-Identifier: MIT
#include "shell/legend.h"

#include <QPainter>

#include "shell/keypad_look.h"

namespace trellum::shell {

Legend::Legend(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    QPalette amber = palette();
    amber.setColor(QPalette::WindowText, legendColour());
    setPalette(amber);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A legend is no key: the pointer over it stays the arrow. Its presses are
    // ignored and so reach the keypad frame beneath, as the frame's own do.
    setCursor(Qt::ArrowCursor);
}

void Legend::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setLayoutDirection(layoutDirection());   // the keypad's, not the application's
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    QString shown = text();
    shown.replace(QChar(0x00AD), QChar(0x207B));
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextHideMnemonic, shown);
}

}  // namespace trellum::shell
