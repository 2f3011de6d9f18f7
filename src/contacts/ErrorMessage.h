#pragma once

#include "platform/AppError.h"
#include "platform/Platform.h"

#include <QString>
#include <exception>

// The program's message for an unexpected error:
//   "An error has occurred. Error number 53 -- File not found.  Try again, or notify author."
// titled "Error", Retry and Cancel, no icon. The import window passes its own suffix.
//
//   try { ... } catch (...) {
//       if (showErrorMessage(platform, asAppError(std::current_exception())) == MessageAnswer::Retry) ...
//   }
inline const QString defaultErrorSuffix = QStringLiteral(".  Try again, or notify author.");

QString errorMessageText(const AppError& error, const QString& suffix = defaultErrorSuffix);

// Shows the message, with `after` following the classic text; returns Retry or Cancel
// (anything but Retry counts as Cancel). A refusal (AppError::refusal) shows its own text and
// gives Retry: the window stays as it is.
MessageAnswer showErrorMessage(Platform& platform, const AppError& error,
                               const QString& suffix = defaultErrorSuffix, const QString& after = QString());

// Any caught exception as the AppError the message shows: an AppError as it is,
// std::bad_alloc as 7 "Out of memory", anything else as 51 "Internal error".
AppError asAppError(std::exception_ptr caught);
