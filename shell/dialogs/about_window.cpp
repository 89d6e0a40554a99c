#include "shell/dialogs/dialogs.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "product.h"

namespace trellum::shell {

std::unique_ptr<ModelWindow> MakeAboutWindow(QWidget* parent, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "frmAbout", icon);
    ModelWindow* w = window.get();
    const TwipsScale scale = TwipsScale::of(w);
    w->setWindowTitle(QCoreApplication::translate("Dialogs", "About Trellum"));

    // The dialog and the picture take the desktop's menu background colour.
    const QColor menuBackground = QApplication::palette("QMenu").color(QPalette::Window);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, menuBackground);
    w->setPalette(palette);
    w->setAutoFillBackground(true);

    auto* picIcon = w->Add<QLabel>("picIcon");
    picIcon->setAutoFillBackground(true);
    picIcon->setAlignment(Qt::AlignCenter);
    auto* lblAppName = w->Add<QLabel>("lblAppName", QCoreApplication::translate("Dialogs", "Trellum Version %1")
                                                         .arg(QString::fromLatin1(kVersion)));
    QFont font = lblAppName->font();
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    lblAppName->setFont(font);
    auto* cmdOk = w->Add<QPushButton>("cmdOk", QCoreApplication::translate("Dialogs", "&OK"));
    cmdOk->setDefault(true);

    PlaceControl(picIcon, 360_tw, 480_tw, 480_tw, 480_tw);
    PlaceControl(lblAppName, 1080_tw, 240_tw, 2895_tw, 240_tw);
    PlaceControl(cmdOk, 3000_tw, 2520_tw, 1095_tw, 375_tw);
    w->setFixedSize(scale.toPixels(4485_tw), scale.toPixels(3180_tw));
    // A longer OK keeps the button's right edge; the window widens for a long
    // version line or title.
    const int okRight = scale.toPixels(3000_tw + 1095_tw);
    cmdOk->move(okRight - cmdOk->width(), cmdOk->y());
    WidenWindow(w, std::max(RightShortfall(w, lblAppName, scale.toPixels(240_tw)), TitleShortfall(w)), {}, {cmdOk});
    picIcon->setPixmap(icon.pixmap(picIcon->size(), w->devicePixelRatioF()));
    cmdOk->setFocus();

    // Nothing to decide here: every way out (OK, Esc, title-bar close) closes.
    w->IsClosed = [] { return true; };
    w->ForwardClicks(cmdOk, {});
    return window;
}

void RunAboutWindow(QWidget* parent, const QIcon& icon)
{
    MakeAboutWindow(parent, icon)->exec();
}

}  // namespace trellum::shell
