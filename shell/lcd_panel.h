// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QFrame>
#include <QString>

namespace trellum::shell {

// The display: paints its text right-aligned with the trailing blanks counted, so
// "14.  " keeps its two-space margin as on the original display.
class LcdPanel : public QFrame {
    Q_OBJECT
public:
    explicit LcdPanel(QWidget* parent);
    QString text() const { return m_text; }
    void setText(const QString& text);

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitType();

    QString m_text;
    QFont m_shownType;   // the panel's type, smaller where the text would not fit
    qreal m_textWidth = 0;   // the text's advance in m_shownType: shaping it is much of a key's cost
};

}  // namespace trellum::shell
