#include "exchange/AddContactCommand.h"

#include "contacts/ErrorMessage.h"
#include "platform/Platform.h"

AddContactStart startAddContact(Platform& platform, const std::array<QString, 5>& lines)
{
    AddContactStart start;
    try {
        const ComposerParseResult parsed = parseComposerLines(platform, lines);
        start.outcome = parsed.openWindow ? AddContactStart::Open : AddContactStart::Refused;
        start.boxes = parsed.boxes;
    } catch (...) {
        const AppError error = asAppError(std::current_exception());
        start.outcome = showErrorMessage(platform, error) == MessageAnswer::Retry ? AddContactStart::Retry
                                                                                   : AddContactStart::Quit;
    }
    return start;
}
