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

    SetTwipsGeometry(picIcon, 360, 480, 480, 480);
    SetTwipsGeometry(lblAppName, 1080, 240, 2895, 240);
    SetTwipsGeometry(cmdOk, 3000, 2520, 1095, 375);
    w->setFixedSize(TwipsToPixels(4485, w), TwipsToPixels(3180, w));
    // A longer OK keeps the button's right edge; the window widens for a long
    // version line or title.
    const int okRight = TwipsToPixels(3000 + 1095, w);
    cmdOk->move(okRight - cmdOk->width(), cmdOk->y());
    WidenWindow(w, std::max(RightShortfall(w, lblAppName, TwipsToPixels(240, w)), TitleShortfall(w)), {}, {cmdOk});
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
