// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QString>

namespace trellum::shell {

// A legend above a key. The soft hyphen of "sin\u00AD\u00B9" is drawn as a raised
// minus, so the inverse legends read as sin⁻¹ while the text stays as given.
class Legend : public QLabel {
    Q_OBJECT
public:
    Legend(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace trellum::shell
