#pragma once
// The program's dialog windows: the memory bank, the constants library, the
// name/value entry and the About box, plus the application icon and the two
// geometry services every window uses (centerOnScreen, placeControl).
//
// Each dialog window is a thin view of a window-free model from app/:
//   user event (click, Esc, title-bar close)
//     -> ModelWindow::forward -> the model's handler
//     -> the model says it is closed ? the modal loop ends : the window repaints
// The windows never decide anything themselves; the models can be driven without
// them by RecordingToolkit.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include <QCursor>
#include <QDialog>
#include <QIcon>
#include <QMargins>
#include <QPixmap>

#include "shell/twips_scale.h"

namespace trellum {
class MemoryDialog;
class ConstantsDialog;
class ConstantEntryDialog;
}  // namespace trellum

class QAbstractButton;
class QListWidget;

namespace trellum::shell {

// The program's icon at the sizes of its PNG renders of trellum.svg.
QIcon appIcon();

// The hand the keypad shows as its pointer.
QCursor keypadCursor();

// A PNG through Qt's built-in reader only. A reader left to detect the format
// asks every image-format plugin first, which loads them all (and libjpeg).
QPixmap readPng(const QString& path);

// The application's style, with the few standard icons Qt would look up the
// slow way at start-up read directly. Owned by QApplication once set.
QStyle* newAppStyle();

// Hourglass for the whole screen while the window is moved to the middle of its
// screen; the frame's top-left corner stays on the screen, so a window larger
// than the screen starts at its top (or left) edge.
void centerOnScreen(QWidget* window);

// The frame extents the window manager reports for a shown window; empty while
// they are not known (before the window is framed).
QMargins reportedFrameExtents(const QWidget* window);

// Places a control at its place in the layout, `yOffset` pixels lower (a menu
// bar above the client area). Labels grow to their text so a large font never
// clips them.
void placeControl(QWidget* control, Twips left, Twips top, Twips width, Twips height, int yOffset = 0);

// The width a window manager leaves for the title of `window` as it is now
// sized, and the width its title takes there: title bars draw the desktop's font
// in bold beside an icon and up to three buttons (about 100 pixels at 96 dpi).
int titleRoom(const QWidget* window);
int titleWidth(const QWidget* window);

// Widens a fixed-size window by `extra` pixels (nothing when it is not positive):
// the `stretched` controls widen with it, the `moved` ones keep their distance
// to its right edge. Translations longer than the English design use it, so the
// English layout itself never changes.
void widenWindow(QWidget* window, int extra, std::initializer_list<QWidget*> stretched,
                 std::initializer_list<QWidget*> moved);

// How much wider `window` must be for its title to show whole, and for
// `control` to end at least `margin` pixels inside its right edge.
int titleShortfall(const QWidget* window);
int rightShortfall(const QWidget* window, const QWidget* control, int margin);

// The controls given the width of the widest of them (a translation longer
// than the design's makes one wider; they stay a matched set).
int matchWidths(std::initializer_list<QWidget*> controls);

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
    bool m_centrePending = false;
    QMargins m_centredExtents;
};

// Builders: the window ready to exec(), rendered from the model. Tests drive them
// without a modal loop; the run*Window functions below exec them.
std::unique_ptr<ModelWindow> makeMemoryWindow(QWidget* parent, MemoryDialog& model, const QIcon& icon);
std::unique_ptr<ModelWindow> makeConstantsWindow(QWidget* parent, ConstantsDialog& model, const QIcon& icon);
std::unique_ptr<ModelWindow> makeConstantEntryWindow(QWidget* parent, ConstantEntryDialog& model, const QIcon& icon);
std::unique_ptr<ModelWindow> makeAboutWindow(QWidget* parent, const QIcon& icon);

// Each shows a freshly built window modally and returns when the model has closed it.
void runMemoryWindow(QWidget* parent, MemoryDialog& model, const QIcon& icon);
void runConstantsWindow(QWidget* parent, ConstantsDialog& model, const QIcon& icon);
void runConstantEntryWindow(QWidget* parent, ConstantEntryDialog& model, const QIcon& icon);
void runAboutWindow(QWidget* parent, const QIcon& icon);

}  // namespace trellum::shell
