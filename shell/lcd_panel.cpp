// SPDX-License-Identifier: MIT
#include "shell/lcd_panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace trellum::shell {

LcdPanel::LcdPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName("display");
    QFont font(QStringLiteral("DejaVu Sans"), 12);
    font.setBold(true);
    setFont(font);
}

void LcdPanel::setText(const QString& text)
{
    if (text == m_text) return;
    m_text = text;
    fitType();
    update();
}

// A long result (sign, 15 digits, point and the two blanks) may not fit the
// bold type at large font settings: it shrinks rather than being cut off.
void LcdPanel::fitType()
{
    m_shownType = font();
    m_textWidth = QFontMetricsF(m_shownType).horizontalAdvance(m_text);
    const qreal room = width() - 6;
    for (int tries = 0; room > 0 && m_textWidth > room && tries < 4; ++tries) {
        m_shownType.setPointSizeF(m_shownType.pointSizeF() * room / m_textWidth - 0.25);
        m_textWidth = QFontMetricsF(m_shownType).horizontalAdvance(m_text);
    }
}

void LcdPanel::resizeEvent(QResizeEvent* event)
{
    fitType();
    QFrame::resizeEvent(event);
}

void LcdPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) fitType();
    QFrame::changeEvent(event);
}

void LcdPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setLayoutDirection(layoutDirection());   // the panel's, not the application's
    const QRect r = rect();
    p.fillRect(r, QColor(0xb7, 0xc4, 0xa4));
    // Sunken bevel: shadow along the top and left, light along the bottom and right.
    p.setPen(QColor(0x2a, 0x2e, 0x28));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(0x6f, 0x78, 0x64));
    p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    p.setPen(QColor(0xe4, 0xea, 0xdc));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    // The baseline is the full type's, so a shrunk number keeps its line. The
    // text's right end, trailing blanks included, meets the right edge.
    p.setPen(QColor(0x1c, 0x24, 0x1a));
    p.setFont(m_shownType);
    const QFontMetrics full(font());
    const int baseline = r.bottom() - qMax(2, (r.height() - full.height()) / 4) - full.descent() + 1;
    p.drawText(QPointF(r.right() - 2 - qRound(m_textWidth), baseline), m_text);
}

void LcdPanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit clicked();
}

void LcdPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit doubleClicked();
}

}  // namespace trellum::shell
