#pragma once

#include "contacts/Contact.h"
#include "contacts/ContactFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Small helpers shared by the contact tests. Every file lives in a QTemporaryDir.
namespace testing_contacts {

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A contact as a save would write it (IncludeCompany and BirthdayReminder set).
inline Contact makeContact(const QString& first, const QString& last, const QString& birthdate = QString(),
                           const QString& reminder = QStringLiteral("1"))
{
    Contact c;
    c.FirstName = first;
    c.LastName = last;
    c.Street1 = first + QStringLiteral(" Street 1");
    c.City = QStringLiteral("Springfield");
    c.State = QStringLiteral("IL");
    c.Zip = QStringLiteral("62701");
    c.Birthdate = birthdate.isEmpty() ? QString(8, u' ') : birthdate;
    c.IncludeCompany = QStringLiteral("0");
    c.BirthdayReminder = reminder;
    return c;
}

// Record n (1-based) of raw file bytes.
inline QByteArray recordBytes(const QByteArray& file, int n)
{
    return file.mid(qint64(n - 1) * Contact::RecordLength, Contact::RecordLength);
}

// A file of `count` contacts "Name1".."NameN" written through the layer.
// Records Name1 Last1 ... NameN LastN as a save writes them.
inline QByteArray contactsBytes(int count, const QString& reminder = QStringLiteral("1"))
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += makeContact(QStringLiteral("Name%1").arg(i), QStringLiteral("Last%1").arg(i), QString(), reminder)
                     .toRecord();
    return bytes;
}

inline void writeContacts(const QString& path, int count, const QString& reminder = QStringLiteral("1"))
{
    ContactFile file;
    file.open(path);
    for (int i = 1; i <= count; ++i)
        file.append(makeContact(QStringLiteral("Name%1").arg(i), QStringLiteral("Last%1").arg(i), QString(),
                                reminder));
}

} // namespace testing_contacts
