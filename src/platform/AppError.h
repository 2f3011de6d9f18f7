#pragma once

#include <QString>
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

    static AppError overflow() { return AppError(6, QStringLiteral("Overflow")); }
    static AppError badRecordNumber() { return AppError(63, QStringLiteral("Bad record number")); }
    static AppError printerError() { return AppError(482, QStringLiteral("Printer error")); }

private:
    int m_number;
    QString m_description;
};
