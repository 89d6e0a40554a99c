// SPDX-License-Identifier: MIT
#include "shell/dialogs/dialogs.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "product.h"
#include "shell/window_geometry.h"

namespace trellum::shell {

std::unique_ptr<ModelWindow> makeAboutWindow(QWidget* parent, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "aboutWindow", icon);
    ModelWindow* w = window.get();
    const TwipsScale scale = TwipsScale::of(w);
    //: Title of the About box. "Trellum" is the program's name: keep it.
    w->setWindowTitle(QCoreApplication::translate("Dialogs", "About Trellum"));

    // The dialog and the picture take the desktop's menu background colour.
    const QColor menuBackground = QApplication::palette("QMenu").color(QPalette::Window);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, menuBackground);
    w->setPalette(palette);
    w->setAutoFillBackground(true);

    auto* iconLabel = w->add<QLabel>("icon");
    iconLabel->setAutoFillBackground(true);
    iconLabel->setAlignment(Qt::AlignCenter);
    //: The About box: the program's name and %1 its version number (2.1.0). Keep "Trellum".
    auto* nameLabel = w->add<QLabel>("productName", QCoreApplication::translate("Dialogs", "Trellum Version %1")
                                                         .arg(QString::fromLatin1(kVersion)));
    QFont font = nameLabel->font();
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    nameLabel->setFont(font);
    //: Button of a dialog: accepts it. & marks the Alt key letter.
    auto* okButton = w->add<QPushButton>("okButton", QCoreApplication::translate("Dialogs", "&OK"));
    okButton->setDefault(true);

    placeControl(iconLabel, 360_tw, 480_tw, 480_tw, 480_tw);
    placeControl(nameLabel, 1080_tw, 240_tw, 2895_tw, 240_tw);
    placeControl(okButton, 3000_tw, 2520_tw, 1095_tw, 375_tw);
    w->setFixedSize(scale.toPixels(4485_tw), scale.toPixels(3180_tw));
    // A longer OK keeps the button's right edge; the window widens for a long
    // version line or title.
    const int okRight = scale.toPixels(3000_tw + 1095_tw);
    okButton->move(okRight - okButton->width(), okButton->y());
    widenWindow(w, std::max(rightShortfall(w, nameLabel, scale.toPixels(240_tw)), titleShortfall(w)), {}, {okButton});
    iconLabel->setPixmap(icon.pixmap(iconLabel->size(), w->devicePixelRatioF()));
    okButton->setFocus();

    // Nothing to decide here: every way out (OK, Esc, title-bar close) closes.
    w->isClosed = [] { return true; };
    w->forwardClicks(okButton, {});
    return window;
}

}  // namespace trellum::shell
