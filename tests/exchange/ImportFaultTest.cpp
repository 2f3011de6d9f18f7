#include "ExchangeTestSupport.h"

#include "contacts/ContactFile.h"
#include "contacts/FileErrors.h"
#include "exchange/CsvImport.h"
#include "support/FaultInjection.h"

#include <QDir>
#include <QTemporaryDir>

using namespace exchange_testing;
using namespace faults;

namespace {

QByteArray twoOnFile()
{
    QByteArray bytes;
    for (const char* name : {"Zed", "Yan"}) {
        Contact c = Contact::blank();
        c.FirstName = QString::fromLatin1(name);
        c.LastName = QStringLiteral("Onfile");
        c.Email = QString::fromLatin1(name) + QStringLiteral("@example.com");
        c.IncludeCompany = QStringLiteral("0");
        c.BirthdayReminder = QStringLiteral("1");
        bytes += c.toRecord();
    }
    return bytes;
}

QString ownLine(const char* first, const char* last)
{
    return QStringLiteral("%1,B,%2,12 Oak Lane,,Reno,NV,89501,USA,,0,,,,%1@example.com,,,")
        .arg(QString::fromUtf8(first), QString::fromUtf8(last));
}

class BadCsvTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.folder = dir.path();
        writeBytes(contactPath, twoOnFile());
        contacts.open(contactPath);
    }

    QString file(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
    QString contactPath = file(QStringLiteral("family.DAT"));
    FakePlatform fake;
    ContactFile contacts;
};

} // namespace

TEST(ImportFaults, EveryFailedWriteAndFlushKeepsTheImportedPrefixSaysItsCountAndARunAgainAddsTheRest)
{
    QString lines;
    for (const char* name : {"Ann", "Bob", "Cy"})
        lines += ownLine(name, "Lee") + QStringLiteral("\r\n");
    // First a contact stored with '?': a run again must still know it is on file.
    const QString header = kOwnHeader + QStringLiteral("\r\n");
    for (const QString& text : {header + lines, header + ownLine("\u674e", "Wei") + QStringLiteral("\r\n") + lines}) {
        QTemporaryDir csvDir;
        const QString csvPath = csvDir.filePath(QStringLiteral("in.csv"));
        writeBytes(csvPath, text.toUtf8());
        FaultCase c;
        c.before = twoOnFile();
        c.change = FaultCase::Append;
        c.suffix = importErrorSuffix;
        c.after = writtenBeforeErrorSentence;
        c.run = [&](FaultEnv& env) { importContacts(env.platform, env.session.file, {csvPath, true}); };
        // A second run skips what the first wrote (the duplicate test) and adds the rest.
        c.rerunGivesAfter = true;
        const FaultReport r = checkEveryFault(c);
        const int lines = int(text.count(u'\n')) - 1;
        EXPECT_EQ(r.writes, lines);
        EXPECT_EQ(r.flushes, lines);
        EXPECT_EQ(r.after.size(), (2 + lines) * Contact::RecordLength);
    }
}

TEST_F(BadCsvTest, EachBadFileIsAnsweredWithAMessageAndTheContactFileIsUntouched)
{
    const QByteArray before = readBytes(contactPath);
    const QByteArray ownHeader = kOwnHeader.toUtf8() + "\r\n";
    QByteArray binary;
    for (int i = 0; i < 65536; ++i)
        binary.append(char((i * 7919 + 13) % 256));
    QByteArray nulHeader = ownHeader;
    nulHeader.replace(',', QByteArray(",\0", 2));

    struct Row {
        const char* what;
        QByteArray bytes;    // the CSV file
        qint64 sparseSize;   // or a sparse file of this size
        QString message;     // the one message shown
    };
    const QString notCompatible = QStringLiteral("CSV file not compatible with import function.");
    const QString tooLarge = errorMessageText(FileErrors::tooLarge(), importErrorSuffix);
    const Row rows[] = {
        {"1 GB", {}, qint64(1) << 30, tooLarge},
        {"just over the limit", {}, MaxCsvBytes + 1, tooLarge},
        {"binary data", binary, 0, notCompatible},
        {"a 10 MB first line", QByteArray(10 * 1024 * 1024, 'x') + "\r\n" + ownLine("Ann", "Lee").toUtf8(), 0,
         notCompatible},
        {"NUL bytes in the header", nulHeader + ownLine("Ann", "Lee").toUtf8(), 0, notCompatible},
        {"only NUL bytes", QByteArray(4096, '\0'), 0, notCompatible},
        {"empty", QByteArray(), 0, notCompatible},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString csvPath = file(QStringLiteral("bad.csv"));
        QFile::remove(csvPath);
        writeBytes(csvPath, row.bytes);
        if (row.sparseSize) {
            QFile sparse(csvPath);
            ASSERT_TRUE(sparse.resize(row.sparseSize));
        }
        fake.messages.clear();
        const ImportResult r = importContacts(fake, contacts, {csvPath, true});
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, row.message);
        EXPECT_EQ(r.written, 0);
        EXPECT_EQ(readBytes(contactPath), before);
    }

    // Choosing a file too large says so at once.
    ASSERT_TRUE(QFile(file(QStringLiteral("bad.csv"))).resize(qint64(1) << 30));
    fake.messages.clear();
    fake.fileAnswers = {FileDialogAnswer{file(QStringLiteral("bad.csv")), QStringLiteral("bad.csv")}};
    EXPECT_EQ(chooseCsvFile(fake).outcome, CsvChoice::ErrorRetry);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, tooLarge);
}

TEST_F(BadCsvTest, LongLinesAndNulBytesInDataImportAsWholeRecordsCutToTheirFields)
{
    const QByteArray longCell(10 * 1024 * 1024, 'n');
    QByteArray nulLine = ownLine("Nul", "Byte").toUtf8();
    nulLine.replace("Oak", QByteArray("O\0k", 3));
    const QByteArray csv = kOwnHeader.toUtf8() + "\r\n" + ownLine("Ann", "Lee").toUtf8() + longCell + "\r\n"
        + nulLine + "\r\n";
    const QString csvPath = file(QStringLiteral("long.csv"));
    writeBytes(csvPath, csv);
    const ImportResult r = importContacts(fake, contacts, {csvPath, true});
    EXPECT_EQ(r.outcome, ImportResult::Done);
    EXPECT_EQ(r.written, 2);
    const QByteArray after = readBytes(contactPath);
    ASSERT_EQ(after.size(), 4 * Contact::RecordLength);
    for (int n = 0; n < 4; ++n) {
        const QByteArray record = after.mid(n * Contact::RecordLength, Contact::RecordLength);
        EXPECT_TRUE(record.endsWith("\r\n")) << n;
        EXPECT_EQ(record.count('|'), 18) << n;
    }
    EXPECT_EQ(contacts.read(3).FirstName.trimmed(), QStringLiteral("Ann"));
    EXPECT_EQ(contacts.read(4).Street1.left(6), QStringLiteral("12 O") + QChar(0) + QStringLiteral("k"));
}

TEST_F(BadCsvTest, ACsvInAFolderThatVanishedIsFileNotFound)
{
    const QString folder = file(QStringLiteral("usb"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString csvPath = folder + QStringLiteral("/in.csv");
    writeBytes(csvPath, (kOwnHeader + QStringLiteral("\r\n") + ownLine("Ann", "Lee")).toUtf8());
    ASSERT_TRUE(QDir(folder).removeRecursively());
    const ImportResult r = importContacts(fake, contacts, {csvPath, true});
    EXPECT_EQ(r.outcome, ImportResult::ErrorRetry);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, errorMessageText(FileErrors::fileNotFound(), importErrorSuffix));
    EXPECT_EQ(contacts.recordCount(), 2);
}
