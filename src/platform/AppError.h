#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

// A run-time error numbered as the classic BASIC errors, which is what users and the
// error messages see: 5 invalid argument, 6 overflow, 9 subscript, 52 bad file, 53 not found,
// 61 disk full, 63 bad record number, 70 permission denied, 75 path/file access, 482 printer.
class AppError : public std::runtime_error {
public:
    AppError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
    {
    }

    int number() const { return m_number; }
    QString description() const { return m_description; }

    // A refusal: nothing was done, for a reason the user can act on. The handler's error message
    // shows this text and title instead of the numbered message, and the window stays as it is.
    // With an offer, the message asks Yes/No and Yes runs it.
    static AppError refusal(int number, const QString& description, const QString& text, const QString& title,
                            std::function<void()> offer = {})
    {
        AppError error(number, description);
        error.m_refusalText = text;
        error.m_refusalTitle = title;
        error.m_offer = std::move(offer);
        return error;
    }
    bool isRefusal() const { return !m_refusalText.isEmpty(); }
    QString refusalText() const { return m_refusalText; }
    QString refusalTitle() const { return m_refusalTitle; }
    const std::function<void()>& offer() const { return m_offer; }

    static AppError overflow() { return AppError(6, QStringLiteral("Overflow")); }
    static AppError badRecordNumber() { return AppError(63, QStringLiteral("Bad record number")); }
    static AppError printerError() { return AppError(482, QStringLiteral("Printer error")); }

private:
    int m_number;
    QString m_description;
    QString m_refusalText, m_refusalTitle;
    std::function<void()> m_offer;
};
