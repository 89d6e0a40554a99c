// SPDX-License-Identifier: MIT
#include "testing/recording_toolkit.h"

#include "app/constants_dialog.h"
#include "app/memory_dialog.h"

namespace trellum {

namespace {

// Pops the next script, or closes the dialog through its window when none is left.
template <typename Dialog>
void runScript(std::deque<std::function<void(Dialog&)>>& scripts, Dialog& dialog)
{
    if (scripts.empty()) {
        dialog.closeWindow();
        return;
    }
    auto script = std::move(scripts.front());
    scripts.pop_front();
    script(dialog);
}

}  // namespace

void RecordingToolkit::showMessage(Message message, const MessageArguments& arguments)
{
    const char* kind = messageIconOf(message) == MessageIcon::Information ? "msg:i:" : "msg:!:";
    events.push_back(kind + messageInEnglish(message, arguments));
}

void RecordingToolkit::setClipboardText(const std::string& text)
{
    clipboard = text;
    events.push_back("clip:" + text);
}

void RecordingToolkit::showMemoryDialog(MemoryDialog& dialog)
{
    runScript(memScripts, dialog);
}

void RecordingToolkit::showConstantsDialog(ConstantsDialog& dialog) { runScript(constScripts, dialog); }

void RecordingToolkit::showConstantEntryDialog(ConstantEntryDialog& dialog)
{
    runScript(entryScripts, dialog);
}

}  // namespace trellum
