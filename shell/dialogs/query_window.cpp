#include "shell/dialogs/dialogs.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/constants_dialog.h"
#include "shell/i18n.h"
#include "shell/qt_toolkit.h"

namespace trellum::shell {

std::unique_ptr<ModelWindow> MakeQueryWindow(QWidget* parent, ConstantEntryDialog& model, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "frmQuery", icon);
    ModelWindow* w = window.get();

    auto* lblName = w->Add<QLabel>("lblName", QCoreApplication::translate("Dialogs", "Name:"));
    auto* txtName = w->Add<QLineEdit>("txtName");
    auto* lblVal = w->Add<QLabel>("lblVal", QCoreApplication::translate("Dialogs", "Values:"));
    auto* txtVal = w->Add<QLineEdit>("txtVal");
    auto* cmdOk = w->Add<QPushButton>("cmdOk", QCoreApplication::translate("Dialogs", "&OK"));
    cmdOk->setDefault(true);
    auto* cmdCancel = w->Add<QPushButton>("cmdCancel", QCoreApplication::translate("Dialogs", "&Cancel"));
    for (QLineEdit* text : {txtName, txtVal}) text->setMaxLength(std::numeric_limits<int>::max());
    lblName->setBuddy(txtName);
    lblVal->setBuddy(txtVal);

    SetTwipsGeometry(lblName, 360, 360, 555, 195);
    SetTwipsGeometry(txtName, 1200, 240, 2175, 405);
    SetTwipsGeometry(lblVal, 360, 960, 645, 195);
    SetTwipsGeometry(txtVal, 1200, 840, 2175, 375);
    SetTwipsGeometry(cmdOk, 480, 1440, 1215, 375);
    SetTwipsGeometry(cmdCancel, 2400, 1440, 1215, 375);
    w->setFixedSize(TwipsToPixels(4035, w), TwipsToPixels(2070, w));
    QWidget::setTabOrder(txtName, txtVal);
    QWidget::setTabOrder(txtVal, cmdOk);
    QWidget::setTabOrder(cmdOk, cmdCancel);
    txtName->setFocus();

    txtName->setText(ToQString(model.Name()));
    txtVal->setText(ToQString(model.Value()));

    w->IsClosed = [&model] { return model.IsClosed(); };
    w->FormClose = [&model] { model.CloseWindow(); };
    w->EscapeKey = [&model] { model.Cancel(); };
    w->Render = [&model, w] { w->setWindowTitle(TrLibrary(model.Caption())); };

    w->ForwardClicks(cmdOk, [&model, txtName, txtVal] {
        model.SetName(ToStdString(txtName->text()));
        model.SetValue(ToStdString(txtVal->text()));
        model.Ok();
    });
    w->ForwardClicks(cmdCancel, [&model] { model.Cancel(); });

    w->Render();
    // A translation longer than the design's: the entry fields move right of a
    // long label, the buttons stay a matched pair with Cancel keeping its place
    // from the right edge, and the fields widen for a long title.
    const int gap = TwipsToPixels(120, w);
    const int labelShortfall =
        std::max(lblName->x() + lblName->width(), lblVal->x() + lblVal->width()) + gap - txtName->x();
    if (labelShortfall > 0) {
        for (QWidget* control : {txtName, txtVal}) control->move(control->x() + labelShortfall, control->y());
        w->setFixedSize(w->width() + labelShortfall, w->height());
    }
    const int cancelRight = w->width() - TwipsToPixels(4035 - 2400 - 1215, w);
    const int buttonWidth = MatchWidths({cmdOk, cmdCancel});
    cmdCancel->move(cancelRight - buttonWidth, cmdCancel->y());
    WidenWindow(w, cmdOk->x() + buttonWidth + gap - cmdCancel->x(), {}, {cmdCancel});
    WidenWindow(w, TitleShortfall(w), {txtName, txtVal}, {cmdCancel});
    return window;
}

void RunQueryWindow(QWidget* parent, ConstantEntryDialog& model, const QIcon& icon)
{
    MakeQueryWindow(parent, model, icon)->exec();
}

}  // namespace trellum::shell
