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
#include "shell/qt_toolkit.h"

namespace trellum::shell {

std::unique_ptr<ModelWindow> MakeMemListWindow(QWidget* parent, MemoryDialog& model, const QIcon& icon)
{
    auto window = std::make_unique<ModelWindow>(parent, "frmMemList", icon);
    ModelWindow* w = window.get();
    const TwipsScale scale = TwipsScale::of(w);

    auto* menuBar = new QMenuBar(w);
    menuBar->setNativeMenuBar(false);
    QMenu* mnuOption = menuBar->addMenu(QCoreApplication::translate("Dialogs", "&Option"));
    mnuOption->setObjectName(QStringLiteral("mnuOption"));
    QAction* mnuFlush = mnuOption->addAction(QCoreApplication::translate("Dialogs", "&Flush Memory"));
    mnuFlush->setObjectName(QStringLiteral("mnuFlush"));
    // Esc out of the menu would leave the bar holding the keyboard, and the
    // next Esc would only let go of it: the window takes it back.
    menuBar->installEventFilter(w);
    const int menuHeight = menuBar->sizeHint().height();

    auto* label1 = w->Add<QLabel>("Label1", QCoreApplication::translate("Dialogs", "Select a memory slot:"));
    auto* lstMem = w->Add<QListWidget>("lstMem");
    lstMem->setAccessibleName(QCoreApplication::translate("Dialogs", "Memory slots"));
    auto* cmdDone = w->Add<QPushButton>("cmdDone", QCoreApplication::translate("Dialogs", "&Done"));
    cmdDone->setDefault(true);
    auto* cmdCancel = w->Add<QPushButton>("cmdCancel", QCoreApplication::translate("Dialogs", "&Cancel"));

    for (const std::string& line : model.Lines()) lstMem->addItem(ToQString(line));

    PlaceControl(label1, 360_tw, 120_tw, 1830_tw, 195_tw, menuHeight);
    PlaceControl(lstMem, 360_tw, 360_tw, 2655_tw, 2010_tw, menuHeight);
    // All ten slots stay in view: a font taller than the design's moves the
    // buttons down and lengthens the window rather than hiding a line.
    lstMem->ensurePolished();
    const int listHeight = lstMem->count() * lstMem->sizeHintForRow(0) + 2 * lstMem->frameWidth();
    const int grow = std::max(0, listHeight - lstMem->height());
    lstMem->resize(lstMem->width(), lstMem->height() + grow);
    PlaceControl(cmdDone, 360_tw, 2640_tw, 855_tw, 375_tw, menuHeight + grow);
    PlaceControl(cmdCancel, 2160_tw, 2640_tw, 855_tw, 375_tw, menuHeight + grow);
    const int clientWidth = scale.toPixels(3450_tw);
    menuBar->setGeometry(0, 0, clientWidth, menuHeight);
    w->setFixedSize(clientWidth, menuHeight + scale.toPixels(3195_tw) + grow);
    QWidget::setTabOrder(lstMem, cmdDone);
    QWidget::setTabOrder(cmdDone, cmdCancel);
    lstMem->setFocus();

    w->IsClosed = [&model] { return model.IsClosed(); };
    w->FormClose = [&model] { model.CloseWindow(); };
    w->EscapeKey = [&model] { model.Cancel(); };
    w->Render = [&model, w, lstMem, cmdDone] {
        w->setWindowTitle(TrLibrary(model.Caption()));
        const QSignalBlocker blocker(lstMem);
        for (int row = 0; row < lstMem->count() && row < static_cast<int>(model.Lines().size()); ++row) {
            const QString slot = ToQString(model.Lines()[static_cast<std::size_t>(row)]);
            lstMem->item(row)->setText(slot);
            // The list shows bare numbers; read aloud, each says which slot it is.
            lstMem->item(row)->setData(Qt::AccessibleTextRole, QCoreApplication::translate("Dialogs", "slot %1: %2")
                                                                   .arg(row + 1)
                                                                   .arg(SpokenNumber(slot)));
        }
        const std::optional<std::size_t> line = model.SelectedLine();
        if (line && *line < static_cast<std::size_t>(lstMem->count()))
            lstMem->setCurrentRow(static_cast<int>(*line));
        else
            lstMem->clearSelection();
        cmdDone->setEnabled(model.DoneEnabled());
    };

    w->ForwardSelection(lstMem, [&model](int row) { model.Select(row); });
    QObject::connect(mnuFlush, &QAction::triggered, w, [&model, w] { w->Forward([&model] { model.Flush(); }); });
    w->ForwardClicks(cmdDone, [&model] { model.Done(); });
    w->ForwardClicks(cmdCancel, [&model] { model.Cancel(); });

    w->Render();
    // A translation longer than the design's: the buttons stay a matched pair,
    // Cancel flush with the list's right edge, and the list and the window widen
    // as far as the buttons, the label and the title need.
    const int listRight = lstMem->x() + lstMem->width();
    const int buttonWidth = MatchWidths({cmdDone, cmdCancel});
    cmdCancel->move(listRight - buttonWidth, cmdCancel->y());
    const int gap = scale.toPixels(120_tw);
    const int rightMargin = clientWidth - listRight;
    WidenWindow(w,
                std::max({cmdDone->x() + buttonWidth + gap - cmdCancel->x(), RightShortfall(w, label1, rightMargin),
                          TitleShortfall(w)}),
                {lstMem, menuBar}, {cmdCancel});
    return window;
}

void RunMemListWindow(QWidget* parent, MemoryDialog& model, const QIcon& icon)
{
    MakeMemListWindow(parent, model, icon)->exec();
}

}  // namespace trellum::shell
