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
    const TwipsScale scale = TwipsScale::of(w);

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

    PlaceControl(lblName, 360_tw, 360_tw, 555_tw, 195_tw);
    PlaceControl(txtName, 1200_tw, 240_tw, 2175_tw, 405_tw);
    PlaceControl(lblVal, 360_tw, 960_tw, 645_tw, 195_tw);
    PlaceControl(txtVal, 1200_tw, 840_tw, 2175_tw, 375_tw);
    PlaceControl(cmdOk, 480_tw, 1440_tw, 1215_tw, 375_tw);
    PlaceControl(cmdCancel, 2400_tw, 1440_tw, 1215_tw, 375_tw);
    w->setFixedSize(scale.toPixels(4035_tw), scale.toPixels(2070_tw));
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
    const int gap = scale.toPixels(120_tw);
    const int labelShortfall =
        std::max(lblName->x() + lblName->width(), lblVal->x() + lblVal->width()) + gap - txtName->x();
    if (labelShortfall > 0) {
        for (QWidget* control : {txtName, txtVal}) control->move(control->x() + labelShortfall, control->y());
        w->setFixedSize(w->width() + labelShortfall, w->height());
    }
    const int cancelRight = w->width() - scale.toPixels(4035_tw - 2400_tw - 1215_tw);
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
