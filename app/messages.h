#pragma once
// The program's messages, by name, each with its exact text and icon. The shell
// translates a message by its text; the key-script runner prints it.

#include <string>
#include <string_view>

namespace trellum {

class Toolkit;

enum class MessageIcon { Exclamation, Information };

enum class Message {
    // The error report of a calculation (engine ErrorCode), and the trigonometric keys' own.
    DividedByZero,
    OutOfRange,
    NotPositiveInteger,
    NotPositiveNumber,
    TrigonometricOutOfRange,
    PastedTextNotANumber,
    // The constants library.
    ConstantsNotLoaded,
    ConstantsHaveErrors,
    ConstantEntryIncomplete,
    ConstantValueNotANumber,
    ConstantNameInvalid,
    ConstantsNotSaved,
    ConstantsChangedMeanwhile,  // takes the name of the copy kept beside the file
    // The settings.
    SettingsNotSaved,           // takes the settings file's path
};

std::string_view messageText(Message message);
MessageIcon messageIconOf(Message message);

// A message box titled with the program's name; `detail` fills the message's
// one blank ("%1"), where it has one.
void showMessage(Toolkit& toolkit, Message message, std::string_view detail = {});

}  // namespace trellum
