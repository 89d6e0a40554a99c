// SPDX-License-Identifier: MIT
#pragma once
// The program's dialog windows: the memory bank, the constants library, the
// name/value entry and the About box.
//
// Each dialog window is a thin view of a window-free model from app/:
//   user event (click, Esc, title-bar close)
//     -> ModelWindow::forward -> the model's handler
//     -> the model says it is closed ? the modal loop ends : the window repaints
// The windows never decide anything themselves; the models can be driven without
// them by RecordingToolkit.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QDialog>
#include <QIcon>

#include "shell/window_geometry.h"

namespace trellum {
class MemoryDialog;
class ConstantsDialog;
class ConstantEntryDialog;
}  // namespace trellum

class QAbstractButton;
class QListWidget;

namespace trellum::shell {

// A modal window in front of a dialog model. It is centred when first shown.
class ModelWindow : public QDialog {
public:
    ModelWindow(QWidget* parent, const char* objectName, const QIcon& icon);
    ~ModelWindow() override;

    // A control of this window, with the object name tests find it by.
    template <class Control, class... Args>
    Control* add(const char* objectName, Args&&... args)
    {
        auto* control = new Control(std::forward<Args>(args)..., this);
        control->setObjectName(QString::fromLatin1(objectName));
        return control;
    }

    std::function<bool()> isClosed;     // the model has hidden or unloaded itself
    std::function<void()> renderModel;  // repaint the controls from the model
    std::function<void()> windowClose;  // title-bar close (and Esc without escapeKey)
    std::function<void()> escapeKey;    // the cancel button's handler

    // Runs a model handler, then closes the window or repaints it as the model says.
    void forward(const std::function<void()>& handler);
    // The model's cancel() (or title-bar close) alone, the window left as it is:
    // for a display that has gone, where any request to it ends the process.
    void cancelModel();
    // The model windows on screen, the newest last.
    static std::vector<ModelWindow*> openWindows();
    // A button's clicks and a list's selections go to the model through forward().
    // Selection, not the current row: focusing a list makes a row current
    // without the user choosing it.
    void forwardClicks(QAbstractButton* button, std::function<void()> handler);
    void forwardSelection(QListWidget* list, std::function<void(int row)> handler);

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The cancel button's handler where there is one, else the title-bar close.
    const std::function<void()>& cancelHandler() const;
    bool m_centred = false;
    PlaceWhenFramed m_placeWhenFramed;
};

// Each builds the window ready to exec(), rendered from the model: the
// toolkit runs it modally until the model closes it, tests drive it without
// a modal loop.
std::unique_ptr<ModelWindow> makeMemoryWindow(QWidget* parent, MemoryDialog& model, const QIcon& icon);
std::unique_ptr<ModelWindow> makeConstantsWindow(QWidget* parent, ConstantsDialog& model, const QIcon& icon);
std::unique_ptr<ModelWindow> makeConstantEntryWindow(QWidget* parent, ConstantEntryDialog& model, const QIcon& icon);
std::unique_ptr<ModelWindow> makeAboutWindow(QWidget* parent, const QIcon& icon);

}  // namespace trellum::shell
