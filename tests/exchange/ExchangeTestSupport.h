#pragma once

#include "contacts/Contact.h"
#include "exchange/CsvLayouts.h"
#include "exchange/CsvText.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace exchange_testing {

// The non-empty fields of a contact in record order, "FirstName=Ann LastName=Lee ...",
// so a table row states exactly what a line fills.
inline QString describe(const Contact& c)
{
    QStringList parts;
    for (int i = 0; i < Contact::FieldCount; ++i)
        if (!c.field(i).trimmed().isEmpty())
            parts << QString::fromLatin1(Contact::fieldInfo(i).name) + u'=' + c.field(i).trimmed();
    return parts.join(u' ');
}

inline std::string describe(const std::optional<Contact>& c)
{
    return c ? describe(*c).toStdString() : std::string("skipped");
}

// Each line read under the header of the file they form; "skipped" for a skipped line.
inline std::vector<std::string> readLines(const QString& text)
{
    const QVector<CsvRecord> records = splitCsvRecords(text);
    std::vector<std::string> out;
    auto reader = CsvLineReader::forLayout(detectCsvLayout(records.front()));
    if (!reader || !reader->readHeader(records.front()))
        return {"no import"};
    for (qsizetype i = 1; i < records.size(); ++i)
        out.push_back(describe(reader->readLine(records[i])));
    return out;
}

// One line under a header.
inline std::string readLine(const QString& header, const QString& line)
{
    const std::vector<std::string> lines = readLines(header + QStringLiteral("\r\n") + line + QStringLiteral("\r\n"));
    return lines.empty() ? std::string("no line") : lines.front();
}

// Cells given by index, the rest empty, joined by commas.
inline QString cellsAt(int count, std::initializer_list<std::pair<int, const char*>> values)
{
    QStringList cells;
    for (int i = 0; i < count; ++i)
        cells << QString();
    for (const auto& [i, v] : values)
        cells[i] = QString::fromUtf8(v);
    return cells.join(u',');
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Headers as the programs write them.
inline const QString kYahooHeader = QStringLiteral(
    "First,Middle,Last,Nickname,Email,Category,Distribution Lists,Messenger ID,Home,Work,Pager,Fax,Mobile,Other,"
    "Yahoo! Phone,Primary,Alternate Email 1,Alternate Email 2,Personal Website,Business Website,Title,Company,"
    "Work Address,Work City,Work State,Work ZIP,Work Country,Home Address,Home City,Home State,Home ZIP,"
    "Home Country,Birthday,Anniversary,Custom 1,Custom 2,Custom 3,Custom 4,Comments");
inline const QString kWebMailHeader = QStringLiteral(
    "First Name,Middle Name,Last Name,Title,Suffix,Initials,Web Page,Gender,Birthday,Anniversary,Location,"
    "Language,Internet Free Busy,Notes,E-mail Address,E-mail 2 Address,E-mail 3 Address,Primary Phone,Home Phone,"
    "Home Phone 2,Mobile Phone,Pager,Home Fax,Home Address,Home Street,Home Street 2,Home City,Home State");
inline const QString kOwnHeader = QStringLiteral(
    "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,Include Company in Address,"
    "Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes");

} // namespace exchange_testing
