#include "contacts/ContactFile.h"
#include "exchange/CsvImport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The index must answer exactly what comparing a line with every record answers: same
// trimmed e-mail, or both trimmed names contained (exact case) in one record's names, unless
// both names are empty.
namespace {

bool bruteForce(const QVector<Contact>& onFile, const Contact& w)
{
    for (const Contact& c : onFile) {
        if (c.Email.trimmed() == w.Email.trimmed())
            return true;
        const QString first = w.FirstName.trimmed(), last = w.LastName.trimmed();
        if ((!first.isEmpty() || !last.isEmpty()) && c.FirstName.trimmed().contains(first)
            && c.LastName.trimmed().contains(last))
            return true;
    }
    return false;
}

} // namespace

TEST(DuplicateIndexFromFile, AnswersAsComparingWithEveryRecord)
{
    // Short names over a small alphabet, so that containment of every kind occurs:
    // one-character and empty names, a pair at the end, repeated pairs and runs of three, case.
    const QStringList names = {"", "a", "b", "ab", "ba", "aba", "abab", "bab", "Ab", "aB", "bb", "a b", " ab",
                               "abcab", "bca"};
    QVector<Contact> onFile;
    for (int i = 0; i < 60; ++i) {
        Contact c = Contact::blank();
        c.FirstName = names[(i * 7) % names.size()];
        c.LastName = names[(i * 5 + 3) % names.size()];
        c.Email = i % 9 == 0 ? QString() : QStringLiteral("m%1@x.com").arg(i);
        onFile << c;
    }
    QTemporaryDir dir;
    ContactFile file;
    file.open(dir.filePath(QStringLiteral("F.DAT")));
    for (const Contact& c : onFile)
        file.append(c);
    const QVector<Contact> stored = file.readAll();
    const DuplicateIndex fromFile(file);
    const DuplicateIndex fromRecords(stored);

    int duplicates = 0, checked = 0;
    for (const QString& first : names)
        for (const QString& last : names)
            for (const QString& email : {QStringLiteral("new@x.com"), QStringLiteral(" m4@x.com"), QString()}) {
                Contact w;
                w.FirstName = first;
                w.LastName = last;
                w.Email = email;
                const bool expected = bruteForce(stored, w);
                duplicates += expected;
                ++checked;
                ASSERT_EQ(fromFile.matches(w), expected) << qPrintable(first + u'/' + last + u'/' + email);
                ASSERT_EQ(fromRecords.matches(w), expected) << qPrintable(first + u'/' + last + u'/' + email);
            }
    // Both answers occur, so the table tests something.
    EXPECT_GT(duplicates, 0);
    EXPECT_LT(duplicates, checked);
}
