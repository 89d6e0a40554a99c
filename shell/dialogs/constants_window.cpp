// SPDX-License-Identifier: MIT
#include "shell/dialogs/dialogs.h"

#include <algorithm>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "app/constants_dialog.h"
#include "shell/i18n.h"
#include "shell/qt_strings.h"
#include "shell/window_geometry.h"

namespace trellum::shell {

namespace {

// Rebuilt only when the names differ, so an unchanged list keeps its scroll place.
void renderNames(QListWidget* list, const ConstantsDialog& model)
{
    const std::size_t count = model.names().size();
    bool same = list->count() == static_cast<int>(count);
    for (int row = 0; same && row < list->count(); ++row)
        same = list->item(row)->text() == toQString(model.listEntry(static_cast<std::size_t>(row)));
    if (same) return;
    list->clear();
    for (std::size_t row = 0; row < count; ++row) list->addItem(toQString(model.listEntry(row)));
}

// The names the list cuts carry their whole text as their tip; the others
// none, so the list's own tip (the chosen value) shows over them.
void tipLongNames(QListWidget* list)
{
    const int room = list->viewport()->width() - 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) - 4;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const bool cut = list->fontMetrics().horizontalAdvance(item->text()) > room;
        item->setToolTip(cut ? item->text() : QString());
        // As wide as the list: the line is laid out, and cut, within it.
        item->setSizeHint({});
        item->setSizeHint(QSize(list->viewport()->width(), list->sizeHintForRow(row)));
    }
}

}  // namespace

std::unique_ptr<ModelWindow> makeConstantsWindow(QWidget* parent, ConstantsDialog& model, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "constantsWindow", icon);
    ModelWindow* w = window.get();
    const TwipsScale scale = TwipsScale::of(w);

    // Created in focus order: OK, list, Cancel, Edit, Delete.
    //: Button of a dialog: accepts it. & marks the Alt key letter.
    auto* okButton = w->add<QPushButton>("okButton", QCoreApplication::translate("Dialogs", "&OK"));
    okButton->setDefault(true);
    //: Prompt above the list of constants (the "Co" key's dialog).
    auto* prompt = w->add<QLabel>("prompt", QCoreApplication::translate("Dialogs", "Select a constant:"));
    auto* constantList = w->add<QListWidget>("constantList");
    //: Accessible name of the list of constants, said by a screen reader.
    constantList->setAccessibleName(QCoreApplication::translate("Dialogs", "Constants"));
    // A long name ends in an ellipsis, its whole text in its tip, rather than
    // pushing the others under a sideways scroll bar.
    constantList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    constantList->setTextElideMode(Qt::ElideRight);
    //: Button of a dialog: closes it without a change.
    auto* cancelButton = w->add<QPushButton>("cancelButton", QCoreApplication::translate("Dialogs", "&Cancel"));
    //: Button of the constants dialog: opens the name and value dialog, which adds a new constant or, with one
    //: selected, modifies it; say both in one word if your language can.
    auto* editButton = w->add<QPushButton>("editButton", QCoreApplication::translate("Dialogs", "&Edit"));
    //: Button of the constants dialog: deletes the selected constant.
    auto* deleteButton = w->add<QPushButton>("deleteButton", QCoreApplication::translate("Dialogs", "&Delete"));

    placeControl(prompt, 240_tw, 120_tw, 1575_tw, 195_tw);
    placeControl(constantList, 240_tw, 360_tw, 2415_tw, 2400_tw);
    placeControl(okButton, 3000_tw, 480_tw, 1215_tw, 375_tw);
    placeControl(editButton, 3000_tw, 1080_tw, 1215_tw, 375_tw);
    placeControl(deleteButton, 3000_tw, 1680_tw, 1215_tw, 375_tw);
    placeControl(cancelButton, 3000_tw, 2280_tw, 1215_tw, 375_tw);
    w->setFixedSize(scale.toPixels(4560_tw), scale.toPixels(3060_tw));
    QWidget::setTabOrder(okButton, constantList);
    QWidget::setTabOrder(constantList, cancelButton);
    QWidget::setTabOrder(cancelButton, editButton);
    QWidget::setTabOrder(editButton, deleteButton);
    // OK starts disabled, so the focus starts on the next stop, the list.
    constantList->setFocus();

    w->isClosed = [&model] { return model.isClosed(); };
    w->windowClose = [&model] { model.closeWindow(); };
    w->escapeKey = [&model] { model.cancel(); };
    w->renderModel = [&model, w, constantList, okButton, deleteButton] {
        w->setWindowTitle(translated(model.caption()));
        const QSignalBlocker blocker(constantList);
        renderNames(constantList, model);
        // Each name is described by its value, which the eye finds in the tip.
        const std::vector<std::string>& values = model.values();
        for (int row = 0; row < constantList->count() && row < static_cast<int>(values.size()); ++row)
            constantList->item(row)->setData(Qt::AccessibleDescriptionRole,
                                             toQString(values[static_cast<std::size_t>(row)]));
        tipLongNames(constantList);
        const std::optional<std::size_t> entry = model.selected();
        if (entry && *entry < static_cast<std::size_t>(constantList->count()))
            constantList->setCurrentRow(static_cast<int>(*entry));
        else
            constantList->clearSelection();
        constantList->setToolTip(toQString(model.toolTip()));
        okButton->setEnabled(model.okEnabled());
        deleteButton->setEnabled(model.deleteEnabled());
    };

    w->forwardSelection(constantList, [&model](int row) { model.select(row); });
    w->forwardClicks(okButton, [&model] { model.accept(); });
    // The model opens the entry dialog through the toolkit; the list is repainted
    // when that nested modal window has closed.
    w->forwardClicks(editButton, [&model] { model.edit(); });
    w->forwardClicks(deleteButton, [&model] { model.deleteSelected(); });
    w->forwardClicks(cancelButton, [&model] { model.cancel(); });

    w->renderModel();
    // A translation longer than the design's: the column of buttons widens as a
    // set and the window with it; the list widens for a long label or title.
    const int buttonWidth = matchWidths({okButton, editButton, deleteButton, cancelButton});
    widenWindow(w, buttonWidth - scale.toPixels(1215_tw), {}, {});
    const int margin = scale.toPixels(240_tw);
    widenWindow(w, std::max(rightShortfall(w, prompt, margin), titleShortfall(w)), {constantList},
                {okButton, editButton, deleteButton, cancelButton});
    return window;
}

}  // namespace trellum::shell
