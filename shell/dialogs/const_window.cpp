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
#include "shell/qt_toolkit.h"

namespace trellum::shell {

namespace {

// Rebuilt only when the names differ, so an unchanged list keeps its scroll place.
void renderNames(QListWidget* list, const ConstantsDialog& model)
{
    const std::size_t count = model.Names().size();
    bool same = list->count() == static_cast<int>(count);
    for (int row = 0; same && row < list->count(); ++row)
        same = list->item(row)->text() == ToQString(model.ListEntry(static_cast<std::size_t>(row)));
    if (same) return;
    list->clear();
    for (std::size_t row = 0; row < count; ++row) list->addItem(ToQString(model.ListEntry(row)));
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

std::unique_ptr<ModelWindow> MakeConstWindow(QWidget* parent, ConstantsDialog& model, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "frmConst", icon);
    ModelWindow* w = window.get();
    const TwipsScale scale = TwipsScale::of(w);

    // Created in focus order: OK, list, Cancel, Edit, Delete.
    auto* cmdOk = w->Add<QPushButton>("cmdOk", QCoreApplication::translate("Dialogs", "&OK"));
    cmdOk->setDefault(true);
    auto* label1 = w->Add<QLabel>("Label1", QCoreApplication::translate("Dialogs", "Select a constant:"));
    auto* lstConst = w->Add<QListWidget>("lstConst");
    lstConst->setAccessibleName(QCoreApplication::translate("Dialogs", "Constants"));
    // A long name ends in an ellipsis, its whole text in its tip, rather than
    // pushing the others under a sideways scroll bar.
    lstConst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstConst->setTextElideMode(Qt::ElideRight);
    auto* cmdCancel = w->Add<QPushButton>("cmdCancel", QCoreApplication::translate("Dialogs", "&Cancel"));
    auto* cmdEdit = w->Add<QPushButton>("cmdEdit", QCoreApplication::translate("Dialogs", "&Edit"));
    auto* cmdDel = w->Add<QPushButton>("cmdDel", QCoreApplication::translate("Dialogs", "&Delete"));

    PlaceControl(label1, 240_tw, 120_tw, 1575_tw, 195_tw);
    PlaceControl(lstConst, 240_tw, 360_tw, 2415_tw, 2400_tw);
    PlaceControl(cmdOk, 3000_tw, 480_tw, 1215_tw, 375_tw);
    PlaceControl(cmdEdit, 3000_tw, 1080_tw, 1215_tw, 375_tw);
    PlaceControl(cmdDel, 3000_tw, 1680_tw, 1215_tw, 375_tw);
    PlaceControl(cmdCancel, 3000_tw, 2280_tw, 1215_tw, 375_tw);
    w->setFixedSize(scale.toPixels(4560_tw), scale.toPixels(3060_tw));
    QWidget::setTabOrder(cmdOk, lstConst);
    QWidget::setTabOrder(lstConst, cmdCancel);
    QWidget::setTabOrder(cmdCancel, cmdEdit);
    QWidget::setTabOrder(cmdEdit, cmdDel);
    // OK starts disabled, so the focus starts on the next stop, the list.
    lstConst->setFocus();

    w->IsClosed = [&model] { return model.IsClosed(); };
    w->FormClose = [&model] { model.CloseWindow(); };
    w->EscapeKey = [&model] { model.Cancel(); };
    w->Render = [&model, w, lstConst, cmdOk, cmdDel] {
        w->setWindowTitle(TrLibrary(model.Caption()));
        const QSignalBlocker blocker(lstConst);
        renderNames(lstConst, model);
        // Each name is described by its value, which the eye finds in the tip.
        const std::vector<std::string>& values = model.Values();
        for (int row = 0; row < lstConst->count() && row < static_cast<int>(values.size()); ++row)
            lstConst->item(row)->setData(Qt::AccessibleDescriptionRole, ToQString(values[static_cast<std::size_t>(row)]));
        tipLongNames(lstConst);
        const std::optional<std::size_t> entry = model.Selected();
        if (entry && *entry < static_cast<std::size_t>(lstConst->count()))
            lstConst->setCurrentRow(static_cast<int>(*entry));
        else
            lstConst->clearSelection();
        lstConst->setToolTip(ToQString(model.ToolTip()));
        cmdOk->setEnabled(model.OkEnabled());
        cmdDel->setEnabled(model.DeleteEnabled());
    };

    w->ForwardSelection(lstConst, [&model](int row) { model.Select(row); });
    w->ForwardClicks(cmdOk, [&model] { model.Ok(); });
    // The model opens the entry dialog through the toolkit; the list is repainted
    // when that nested modal window has closed.
    w->ForwardClicks(cmdEdit, [&model] { model.Edit(); });
    w->ForwardClicks(cmdDel, [&model] { model.Delete(); });
    w->ForwardClicks(cmdCancel, [&model] { model.Cancel(); });

    w->Render();
    // A translation longer than the design's: the column of buttons widens as a
    // set and the window with it; the list widens for a long label or title.
    const int buttonWidth = MatchWidths({cmdOk, cmdEdit, cmdDel, cmdCancel});
    WidenWindow(w, buttonWidth - scale.toPixels(1215_tw), {}, {});
    const int margin = scale.toPixels(240_tw);
    WidenWindow(w, std::max(RightShortfall(w, label1, margin), TitleShortfall(w)), {lstConst},
                {cmdOk, cmdEdit, cmdDel, cmdCancel});
    return window;
}

void RunConstWindow(QWidget* parent, ConstantsDialog& model, const QIcon& icon)
{
    MakeConstWindow(parent, model, icon)->exec();
}

}  // namespace trellum::shell
