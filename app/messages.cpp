#include "app/messages.h"

#include "app/toolkit.h"
#include "product.h"

namespace trellum {

namespace {

struct MessageRow {
    std::string_view text;
    MessageIcon icon;
};

MessageRow rowOf(Message message)
{
    using enum MessageIcon;
    switch (message) {
    case Message::DividedByZero: return {"Divided by Zero!", Exclamation};
    case Message::OutOfRange: return {"Out of Range!", Exclamation};
    case Message::NotPositiveInteger: return {"Not a positive integer!", Exclamation};
    case Message::NotPositiveNumber: return {"Not a positive number!", Exclamation};
    case Message::TrigonometricOutOfRange: return {"Out of Range", Exclamation};
    // The trailing blank is part of the text users have always seen.
    case Message::PastedTextNotANumber: return {"Importing data is not a number ", Exclamation};
    case Message::ConstantsNotLoaded: return {"Can't load constants Database!", Exclamation};
    case Message::ConstantsHaveErrors: return {"Constants Database contains errors!", Information};
    case Message::ConstantEntryIncomplete: return {"Fill in name and value of the constant.", Information};
    case Message::ConstantValueNotANumber: return {"Value of the constant is not a number!", Information};
    // A name with "=" would split at the wrong place when read back, and a line
    // break would split its line: either would lose the constant.
    case Message::ConstantNameInvalid:
        return {"The name of a constant can't contain \"=\" or a line break.", Information};
    case Message::ConstantsNotSaved:
        return {"Can't save constants Database! The old file is kept and your changes stay in the list.", Exclamation};
    case Message::ConstantsChangedMeanwhile:
        return {"The constants file was changed by another program while this list was open. "
                "That version is kept as %1.",
                Information};
    case Message::SettingsNotSaved:
        return {"Settings could not be saved to %1.", Exclamation};
    }
    return {"", Exclamation};
}

}  // namespace

std::string_view messageText(Message message) { return rowOf(message).text; }

MessageIcon messageIconOf(Message message) { return rowOf(message).icon; }

void showMessage(Toolkit& toolkit, Message message, std::string_view detail)
{
    std::string text(messageText(message));
    if (const std::size_t blank = text.find("%1"); blank != std::string::npos) text.replace(blank, 2, detail);
    toolkit.showMessage(text, messageIconOf(message), kProductName);
}

}  // namespace trellum
