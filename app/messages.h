// SPDX-License-Identifier: MIT
#pragma once
// The texts the library shows to the user, each by name: the message boxes with
// their icons, the captions of the dialogs and the tray tip. Each name has one
// English text, marked for lupdate (translatable.h) in the context "Trellum";
// the shell translates a text by its name, the key-script runner prints the
// English one. Toolkit::showMessage takes a message by name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trellum {

// Translation context of the library's texts.
inline constexpr const char* kTextContext = "Trellum";

enum class MessageIcon { Exclamation, Information };

enum class Message : uint8_t {
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
    ConstantsChangedMeanwhile,  // %1: the name of the copy kept beside the file
    // The settings.
    SettingsNotSaved,           // %1: the settings file's path
};
// How many there are: a new message goes last, and this counts it, so that
// the translation test sees it.
inline constexpr std::size_t kMessageCount = static_cast<std::size_t>(Message::SettingsNotSaved) + 1;

// What fills a message's blanks: "%1" the first, "%2" the second.
using MessageArguments = std::vector<std::string>;

// The English text, blanks unfilled, as marked for translation.
const char* messageText(Message message);
MessageIcon messageIconOf(Message message);
// The English text with its blanks filled.
std::string messageInEnglish(Message message, const MessageArguments& arguments);
// Fills "%1" to "%9" of a text, each once, in any order.
std::string fillBlanks(std::string_view text, const MessageArguments& arguments);

// The captions of the memory and constants dialogs.
enum class Caption : uint8_t { SaveNumber, RetrieveNumber, LoadConstant, AddConstant, ModifyConstant };
inline constexpr std::size_t kCaptionCount = static_cast<std::size_t>(Caption::ModifyConstant) + 1;
const char* captionText(Caption caption);

// The tray icon's tip: the window's caption, which is a name and stays as it
// is, or that caption marked as hidden.
enum class TrayTip : uint8_t { Shown, Hidden };
const char* trayTipText(TrayTip tip);

}  // namespace trellum
