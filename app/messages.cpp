// SPDX-License-Identifier: MIT
#include "app/messages.h"

#include "app/translatable.h"
#include "product.h"

namespace trellum {

namespace {

struct MessageRow {
    const char* text;
    MessageIcon icon;
};

MessageRow rowOf(Message message)
{
    using enum MessageIcon;
    switch (message) {
    case Message::DividedByZero:
        //: Message box after a division by zero; it then clears the calculator.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Divided by Zero!"), Exclamation};
    case Message::OutOfRange:
        //: Message box when a result or an argument lies outside what the calculator can hold
        //: (an exponent beyond 99, a power too large).
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Out of Range!"), Exclamation};
    case Message::NotPositiveInteger:
        //: Message box when the factorial key (SHIFT 1/x) is pressed on a number that is not a whole number from 0 up.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Not a positive integer!"), Exclamation};
    case Message::NotPositiveNumber:
        //: Message box when log, ln or the square root is pressed on a number that is zero or negative.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Not a positive number!"), Exclamation};
    case Message::TrigonometricOutOfRange:
        //: Message box of the sin, cos and tan keys when their argument is outside the function's range
        //: (arc sine of 2). Unlike the general message it has no "!": keep the two apart.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Out of Range"), Exclamation};
    // The trailing blank is part of the text users have always seen.
    case Message::PastedTextNotANumber:
        //: Message box after Settings > Paste when the clipboard holds no number.
        //: Keep the blank at the end.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Importing data is not a number "), Exclamation};
    case Message::ConstantsNotLoaded:
        //: Message box when the file of constants (the "Co" key's list) cannot be read.
        //: "Database" means that file.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Can't load constants Database!"), Exclamation};
    case Message::ConstantsHaveErrors:
        //: Message box when some lines of the file of constants could not be read; the others are listed.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Constants Database contains errors!"), Information};
    case Message::ConstantEntryIncomplete:
        //: Message box of the dialog that adds or modifies a constant, when OK is pressed with a field empty.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Fill in name and value of the constant."), Information};
    case Message::ConstantValueNotANumber:
        //: Message box of the dialog that adds or modifies a constant, when its value is not a number.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Value of the constant is not a number!"), Information};
    // A name with "=" would split at the wrong place when read back, and a line
    // break would split its line: either would lose the constant.
    case Message::ConstantNameInvalid:
        //: Message box of the dialog that adds or modifies a constant. The "=" is the character itself:
        //: keep it, in the quotation marks of your language.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "The name of a constant can't contain \"=\" or a line break."),
                Information};
    case Message::ConstantsNotSaved:
        //: Message box when the file of constants cannot be written; nothing is lost, the list keeps the changes.
        return {TRELLUM_TRANSLATE_NOOP(
                    "Trellum",
                    "Can't save constants Database! The old file is kept and your changes stay in the list."),
                Exclamation};
    case Message::ConstantsChangedMeanwhile:
        //: Message box when another program changed the file of constants while its list was open; the list
        //: was saved and the other program's version kept in a copy. %1 is the copy's file name (a path).
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "The constants file was changed by another program while this "
                                                  "list was open. That version is kept as %1."),
                Information};
    case Message::SettingsNotSaved:
        //: Message box when the calculator ends and cannot write its settings file (memory slots, window
        //: place, modes); what the file held before is kept. %1 is the file's path.
        return {TRELLUM_TRANSLATE_NOOP("Trellum", "Settings could not be saved to %1."), Exclamation};
    }
    return {"", Exclamation};
}

}  // namespace

const char* messageText(Message message) { return rowOf(message).text; }

MessageIcon messageIconOf(Message message) { return rowOf(message).icon; }

std::string fillBlanks(std::string_view text, const MessageArguments& arguments)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number = i + 1 < text.size() && text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9'
                                       ? static_cast<std::size_t>(text[i + 1] - '1')
                                       : arguments.size();
        if (number < arguments.size()) {
            filled += arguments[number];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string messageInEnglish(Message message, const MessageArguments& arguments)
{
    return fillBlanks(messageText(message), arguments);
}

const char* captionText(Caption caption)
{
    switch (caption) {
    case Caption::SaveNumber:
        //: Title of the memory dialog opened by the "Min" key, which stores the displayed number in a slot.
        return TRELLUM_TRANSLATE_NOOP("Trellum", "Save a number");
    case Caption::RetrieveNumber:
        //: Title of the memory dialog opened by the "MR" key, which puts a stored number on the display.
        return TRELLUM_TRANSLATE_NOOP("Trellum", "Retrieve a number");
    case Caption::LoadConstant:
        //: Title of the list of constants opened by the "Co" key.
        return TRELLUM_TRANSLATE_NOOP("Trellum", "Load a constant");
    case Caption::AddConstant:
        //: Title of the name and value dialog when it adds a constant to the list.
        return TRELLUM_TRANSLATE_NOOP("Trellum", "Add a new constant");
    case Caption::ModifyConstant:
        //: Title of the name and value dialog when it changes the selected constant.
        return TRELLUM_TRANSLATE_NOOP("Trellum", "Modify a constant");
    }
    return "";
}

const char* trayTipText(TrayTip tip)
{
    if (tip == TrayTip::Shown) return kWindowCaption;
    //: Tip of the notification-area (tray) icon while the calculator's window is hidden in it.
    //: "Trellum" is the program's name: keep it.
    return TRELLUM_TRANSLATE_NOOP("Trellum", "Trellum (Hide)");
}

}  // namespace trellum
