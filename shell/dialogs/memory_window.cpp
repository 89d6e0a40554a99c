// SPDX-License-Identifier: MIT
#include "shell/dialogs/dialogs.h"

#include <algorithm>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/memory_dialog.h"
#include "shell/accessibility.h"
#include "shell/i18n.h"
#include "shell/qt_strings.h"
#include "shell/window_geometry.h"

namespace trellum::shell {

std::unique_ptr<ModelWindow> makeMemoryWindow(QWidget* parent, MemoryDialog& model, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "memoryWindow", icon);
    ModelWindow* w = window.get();
    const TwipsScale scale = TwipsScale::of(w);

    auto* menuBar = new QMenuBar(w);
    menuBar->setNativeMenuBar(false);
    //: Menu of the memory dialog, holding "Flush Memory".
    QMenu* optionMenu = menuBar->addMenu(QCoreApplication::translate("Dialogs", "&Option"));
    optionMenu->setObjectName(QStringLiteral("optionMenu"));
    //: Item of the memory dialog's Option menu: sets all ten memory slots to 0.
    QAction* flushAction = optionMenu->addAction(QCoreApplication::translate("Dialogs", "&Flush Memory"));
    flushAction->setObjectName(QStringLiteral("flushAction"));
    // Esc out of the menu would leave the bar holding the keyboard, and the
    // next Esc would only let go of it: the window takes it back.
    menuBar->installEventFilter(w);
    const int menuHeight = menuBar->sizeHint().height();

    //: Prompt above the list of the ten memory slots.
    auto* prompt = w->add<QLabel>("prompt", QCoreApplication::translate("Dialogs", "Select a memory slot:"));
    auto* slotList = w->add<QListWidget>("slotList");
    //: Accessible name of the list of memory slots, said by a screen reader.
    slotList->setAccessibleName(QCoreApplication::translate("Dialogs", "Memory slots"));
    //: Button of the memory dialog: stores into or recalls from the selected slot and closes.
    auto* doneButton = w->add<QPushButton>("doneButton", QCoreApplication::translate("Dialogs", "&Done"));
    doneButton->setDefault(true);
    //: Button of a dialog: closes it without a change.
    auto* cancelButton = w->add<QPushButton>("cancelButton", QCoreApplication::translate("Dialogs", "&Cancel"));

    for (const std::string& line : model.lines()) slotList->addItem(toQString(line));

    placeControl(prompt, 360_tw, 120_tw, 1830_tw, 195_tw, menuHeight);
    placeControl(slotList, 360_tw, 360_tw, 2655_tw, 2010_tw, menuHeight);
    // All ten slots stay in view: a font taller than the design's moves the
    // buttons down and lengthens the window rather than hiding a line.
    slotList->ensurePolished();
    const int listHeight = slotList->count() * slotList->sizeHintForRow(0) + 2 * slotList->frameWidth();
    const int grow = std::max(0, listHeight - slotList->height());
    slotList->resize(slotList->width(), slotList->height() + grow);
    placeControl(doneButton, 360_tw, 2640_tw, 855_tw, 375_tw, menuHeight + grow);
    placeControl(cancelButton, 2160_tw, 2640_tw, 855_tw, 375_tw, menuHeight + grow);
    const int clientWidth = scale.toPixels(3450_tw);
    menuBar->setGeometry(0, 0, clientWidth, menuHeight);
    w->setFixedSize(clientWidth, menuHeight + scale.toPixels(3195_tw) + grow);
    QWidget::setTabOrder(slotList, doneButton);
    QWidget::setTabOrder(doneButton, cancelButton);
    slotList->setFocus();

    w->isClosed = [&model] { return model.isClosed(); };
    w->windowClose = [&model] { model.closeWindow(); };
    w->escapeKey = [&model] { model.cancel(); };
    w->renderModel = [&model, w, slotList, doneButton] {
        w->setWindowTitle(translated(model.caption()));
        const QSignalBlocker blocker(slotList);
        for (int row = 0; row < slotList->count() && row < static_cast<int>(model.lines().size()); ++row) {
            const std::string& line = model.lines()[static_cast<std::size_t>(row)];
            slotList->item(row)->setText(toQString(line));
            // The list shows bare numbers; read aloud, each says which slot it is.
            //: Spoken for a line of the memory dialog's list: %1 the slot's number (1 to 10), %2 the number
            //: stored in it, as the screen reader reads numbers.
            const QString said = QCoreApplication::translate("Dialogs", "slot %1 holds %2");
            const QString number = spokenNumber(spokenNumberOf(line));
            slotList->item(row)->setData(Qt::AccessibleTextRole, said.arg(row + 1).arg(number));
        }
        const std::optional<std::size_t> line = model.selectedLine();
        if (line && *line < static_cast<std::size_t>(slotList->count()))
            slotList->setCurrentRow(static_cast<int>(*line));
        else
            slotList->clearSelection();
        doneButton->setEnabled(model.doneEnabled());
    };

    w->forwardSelection(slotList, [&model](int row) { model.select(row); });
    QObject::connect(flushAction, &QAction::triggered, w, [&model, w] { w->forward([&model] { model.flush(); }); });
    w->forwardClicks(doneButton, [&model] { model.done(); });
    w->forwardClicks(cancelButton, [&model] { model.cancel(); });

    w->renderModel();
    // A translation longer than the design's: the buttons stay a matched pair,
    // Cancel flush with the list's right edge, and the list and the window widen
    // as far as the buttons, the label and the title need.
    const int listRight = slotList->x() + slotList->width();
    const int buttonWidth = matchWidths({doneButton, cancelButton});
    cancelButton->move(listRight - buttonWidth, cancelButton->y());
    const int gap = scale.toPixels(120_tw);
    const int rightMargin = clientWidth - listRight;
    widenWindow(w,
                std::max({doneButton->x() + buttonWidth + gap - cancelButton->x(),
                          rightShortfall(w, prompt, rightMargin), titleShortfall(w)}),
                {slotList, menuBar}, {cancelButton});
    return window;
}

}  // namespace trellum::shell
