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

std::unique_ptr<ModelWindow> MakeConstantEntryWindow(QWidget* parent, ConstantEntryDialog& model, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "constantEntryWindow", icon);
    ModelWindow* w = window.get();
    const TwipsScale scale = TwipsScale::of(w);

    auto* nameLabel = w->Add<QLabel>("nameLabel", QCoreApplication::translate("Dialogs", "Name:"));
    auto* nameEdit = w->Add<QLineEdit>("nameEdit");
    auto* valueLabel = w->Add<QLabel>("valueLabel", QCoreApplication::translate("Dialogs", "Values:"));
    auto* valueEdit = w->Add<QLineEdit>("valueEdit");
    auto* okButton = w->Add<QPushButton>("okButton", QCoreApplication::translate("Dialogs", "&OK"));
    okButton->setDefault(true);
    auto* cancelButton = w->Add<QPushButton>("cancelButton", QCoreApplication::translate("Dialogs", "&Cancel"));
    for (QLineEdit* text : {nameEdit, valueEdit}) text->setMaxLength(std::numeric_limits<int>::max());
    nameLabel->setBuddy(nameEdit);
    valueLabel->setBuddy(valueEdit);

    PlaceControl(nameLabel, 360_tw, 360_tw, 555_tw, 195_tw);
    PlaceControl(nameEdit, 1200_tw, 240_tw, 2175_tw, 405_tw);
    PlaceControl(valueLabel, 360_tw, 960_tw, 645_tw, 195_tw);
    PlaceControl(valueEdit, 1200_tw, 840_tw, 2175_tw, 375_tw);
    PlaceControl(okButton, 480_tw, 1440_tw, 1215_tw, 375_tw);
    PlaceControl(cancelButton, 2400_tw, 1440_tw, 1215_tw, 375_tw);
    w->setFixedSize(scale.toPixels(4035_tw), scale.toPixels(2070_tw));
    QWidget::setTabOrder(nameEdit, valueEdit);
    QWidget::setTabOrder(valueEdit, okButton);
    QWidget::setTabOrder(okButton, cancelButton);
    nameEdit->setFocus();

    nameEdit->setText(ToQString(model.Name()));
    valueEdit->setText(ToQString(model.Value()));

    w->IsClosed = [&model] { return model.IsClosed(); };
    w->WindowClose = [&model] { model.CloseWindow(); };
    w->EscapeKey = [&model] { model.Cancel(); };
    w->Render = [&model, w] { w->setWindowTitle(TrLibrary(model.Caption())); };

    w->ForwardClicks(okButton, [&model, nameEdit, valueEdit] {
        model.SetName(ToStdString(nameEdit->text()));
        model.SetValue(ToStdString(valueEdit->text()));
        model.Ok();
    });
    w->ForwardClicks(cancelButton, [&model] { model.Cancel(); });

    w->Render();
    // A translation longer than the design's: the entry fields move right of a
    // long label, the buttons stay a matched pair with Cancel keeping its place
    // from the right edge, and the fields widen for a long title.
    const int gap = scale.toPixels(120_tw);
    const int labelShortfall =
        std::max(nameLabel->x() + nameLabel->width(), valueLabel->x() + valueLabel->width()) + gap - nameEdit->x();
    if (labelShortfall > 0) {
        for (QWidget* control : {nameEdit, valueEdit}) control->move(control->x() + labelShortfall, control->y());
        w->setFixedSize(w->width() + labelShortfall, w->height());
    }
    const int cancelRight = w->width() - scale.toPixels(4035_tw - 2400_tw - 1215_tw);
    const int buttonWidth = MatchWidths({okButton, cancelButton});
    cancelButton->move(cancelRight - buttonWidth, cancelButton->y());
    WidenWindow(w, okButton->x() + buttonWidth + gap - cancelButton->x(), {}, {cancelButton});
    WidenWindow(w, TitleShortfall(w), {nameEdit, valueEdit}, {cancelButton});
    return window;
}

void RunConstantEntryWindow(QWidget* parent, ConstantEntryDialog& model, const QIcon& icon)
{
    MakeConstantEntryWindow(parent, model, icon)->exec();
}

}  // namespace trellum::shell
