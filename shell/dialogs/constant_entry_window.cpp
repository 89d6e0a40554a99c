// SPDX-License-Identifier: MIT
#include "shell/dialogs/dialogs.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/constants_dialog.h"
#include "shell/i18n.h"
#include "shell/qt_strings.h"
#include "shell/window_geometry.h"

namespace trellum::shell {

std::unique_ptr<ModelWindow> makeConstantEntryWindow(QWidget* parent, ConstantEntryDialog& model, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "constantEntryWindow", icon);
    ModelWindow* w = window.get();
    const TwipsScale scale = TwipsScale::of(w);

    //: Label of the name field in the dialog that adds or modifies a constant.
    auto* nameLabel = w->add<QLabel>("nameLabel", QCoreApplication::translate("Dialogs", "Name:"));
    auto* nameEdit = w->add<QLineEdit>("nameEdit");
    //: Label of the value field in the dialog that adds or modifies a constant (one number).
    auto* valueLabel = w->add<QLabel>("valueLabel", QCoreApplication::translate("Dialogs", "Values:"));
    auto* valueEdit = w->add<QLineEdit>("valueEdit");
    //: Button of a dialog: accepts it. & marks the Alt key letter.
    auto* okButton = w->add<QPushButton>("okButton", QCoreApplication::translate("Dialogs", "&OK"));
    okButton->setDefault(true);
    //: Button of a dialog: closes it without a change.
    auto* cancelButton = w->add<QPushButton>("cancelButton", QCoreApplication::translate("Dialogs", "&Cancel"));
    for (QLineEdit* text : {nameEdit, valueEdit}) text->setMaxLength(std::numeric_limits<int>::max());
    nameLabel->setBuddy(nameEdit);
    valueLabel->setBuddy(valueEdit);

    placeControl(nameLabel, 360_tw, 360_tw, 555_tw, 195_tw);
    placeControl(nameEdit, 1200_tw, 240_tw, 2175_tw, 405_tw);
    placeControl(valueLabel, 360_tw, 960_tw, 645_tw, 195_tw);
    placeControl(valueEdit, 1200_tw, 840_tw, 2175_tw, 375_tw);
    placeControl(okButton, 480_tw, 1440_tw, 1215_tw, 375_tw);
    placeControl(cancelButton, 2400_tw, 1440_tw, 1215_tw, 375_tw);
    w->setFixedSize(scale.toPixels(4035_tw), scale.toPixels(2070_tw));
    QWidget::setTabOrder(nameEdit, valueEdit);
    QWidget::setTabOrder(valueEdit, okButton);
    QWidget::setTabOrder(okButton, cancelButton);
    nameEdit->setFocus();

    nameEdit->setText(toQString(model.name()));
    valueEdit->setText(toQString(model.value()));

    w->isClosed = [&model] { return model.isClosed(); };
    w->windowClose = [&model] { model.closeWindow(); };
    w->escapeKey = [&model] { model.cancel(); };
    w->renderModel = [&model, w] { w->setWindowTitle(translated(model.caption())); };

    w->forwardClicks(okButton, [&model, nameEdit, valueEdit] {
        model.setName(toStdString(nameEdit->text()));
        model.setValue(toStdString(valueEdit->text()));
        model.accept();
    });
    w->forwardClicks(cancelButton, [&model] { model.cancel(); });

    w->renderModel();
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
    const int buttonWidth = matchWidths({okButton, cancelButton});
    cancelButton->move(cancelRight - buttonWidth, cancelButton->y());
    widenWindow(w, okButton->x() + buttonWidth + gap - cancelButton->x(), {}, {cancelButton});
    widenWindow(w, titleShortfall(w), {nameEdit, valueEdit}, {cancelButton});
    return window;
}

}  // namespace trellum::shell
