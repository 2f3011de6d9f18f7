#include "contacts/ErrorMessage.h"

#include <new>

QString errorMessageText(const AppError& error, const QString& suffix)
{
    return QStringLiteral("An error has occurred. ") + QStringLiteral("Error number ")
        + QString::number(error.number()) + QStringLiteral(" -- ") + error.description() + suffix;
}

MessageAnswer showErrorMessage(Platform& platform, const AppError& error, const QString& suffix, const QString& after)
{
    if (error.isRefusal()) {
        const bool offers = bool(error.offer());
        const MessageAnswer answer = platform.messageBox(error.refusalText(), error.refusalTitle(),
                                                         offers ? MessageButtons::YesNo : MessageButtons::Ok,
                                                         MessageIcon::Exclamation);
        if (offers && answer == MessageAnswer::Yes)
            error.offer()();
        return MessageAnswer::Retry;
    }
    const MessageAnswer answer = platform.messageBox(errorMessageText(error, suffix) + after, QStringLiteral("Error"),
                                                     MessageButtons::RetryCancel, MessageIcon::None);
    return answer == MessageAnswer::Retry ? MessageAnswer::Retry : MessageAnswer::Cancel;
}

AppError asAppError(std::exception_ptr caught)
{
    try {
        if (caught)
            std::rethrow_exception(caught);
    } catch (const AppError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return AppError(7, QStringLiteral("Out of memory"));
    } catch (...) {
    }
    return AppError(51, QStringLiteral("Internal error"));
}
