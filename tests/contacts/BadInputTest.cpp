#include "ContactTestSupport.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/Compaction.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileCommands.h"
#include "contacts/FileErrors.h"
#include "support/ErrorNumber.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace testing_contacts;

namespace {


class BadInputTest : public ::testing::Test {
protected:
    void SetUp() override { platform.folder = dir.path(); }

    FileCommandResult open(const QString& file)
    {
        platform.fileAnswers.push_back(FileDialogAnswer{file, QFileInfo(file).fileName()});
        return fileOpen(platform, session);
    }

    QStringList errorTexts() const
    {
        QStringList texts;
        for (const RecordedMessage& m : platform.messages)
            if (m.title == QStringLiteral("Error"))
                texts << m.text;
        return texts;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Friends.DAT"));
    FakePlatform platform;
    ContactSession session;
};

} // namespace

TEST_F(BadInputTest, FilesThatAreNoContactFileOpenUnchangedAndTakeNewContactsWhole)
{
    QByteArray random;
    quint32 lcg = 12345;
    for (int i = 0; i < 64 * 1024 + 100; ++i) {
        lcg = lcg * 1103515245u + 12345u;
        random.append(char(lcg >> 24));
    }
    struct Row {
        const char* what;
        QByteArray bytes;
        int records;
    };
    for (const Row& row : {Row{"random bytes", random, 128}, Row{"1 byte", QByteArray("x"), 0},
                           Row{"256 bytes of NUL", QByteArray(256, '\0'), 0}}) {
        SCOPED_TRACE(row.what);
        writeBytes(path, row.bytes);
        platform.messages.clear();
        EXPECT_EQ(open(path).result, FileCommandResult::Opened);
        EXPECT_TRUE(errorTexts().isEmpty());
        EXPECT_EQ(readBytes(path), row.bytes) << "opening writes nothing";
        ASSERT_EQ(session.file.recordCount(), row.records);
        EXPECT_EQ(session.file.readAll().size(), row.records);

        // A new contact lands as one whole record after the last one counted.
        const Contact added = makeContact(QStringLiteral("Added"), QStringLiteral("Later"));
        session.file.append(added);
        const QByteArray after = readBytes(path);
        EXPECT_EQ(after.size(), qint64(row.records + 1) * Contact::RecordLength);
        if (qint64(row.records) * Contact::RecordLength >= row.bytes.size())
            EXPECT_EQ(after.left(row.bytes.size()), row.bytes) << "every counted byte kept";
        EXPECT_EQ(session.file.read(row.records + 1).toRecord(), added.toRecord());
        fileClose(session);
    }
}

TEST_F(BadInputTest, AFileTooLargeToBeAContactFileIsRefusedAtOpenWithoutReadingIt)
{
    for (const qint64 size : {qint64(1) << 30, qint64(ContactFile::MaxRecords) * Contact::RecordLength + 1}) {
        SCOPED_TRACE(size);
        {
            QFile sparse(path);
            ASSERT_TRUE(sparse.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ASSERT_TRUE(sparse.resize(size)); // sparse: no gigabyte is written
        }
        platform.messages.clear();
        platform.messageAnswers = {MessageAnswer::Retry};
        EXPECT_EQ(open(path).result, FileCommandResult::Retry);
        EXPECT_EQ(errorTexts(), QStringList{errorMessageText(FileErrors::tooLarge())});
        EXPECT_FALSE(session.isOpen());
        EXPECT_EQ(QFileInfo(path).size(), size);
    }
    // The largest allowed opens.
    QFile(path).resize(qint64(ContactFile::MaxRecords) * Contact::RecordLength);
    EXPECT_EQ(errorNumberOf([&] { session.file.open(path); }), 0);
    EXPECT_EQ(session.file.recordCount(), ContactFile::MaxRecords);
}

TEST_F(BadInputTest, AReadOnlyFileOpensForReadingAndEveryWriterRefusesWithPermissionDenied)
{
    writeContacts(path, 3, QStringLiteral("0"));
    const QByteArray before = readBytes(path);
    // Root may write any file whatever its mode, so the seam plays the read-only file there.
    const bool root = ::geteuid() == 0;
    if (root)
        session.file.seam().denyWriteAccess(true);
    else
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    ASSERT_EQ(open(path).result, FileCommandResult::Opened) << platform.messages.back().text.toStdString();
    EXPECT_TRUE(session.file.isReadOnly());
    EXPECT_EQ(session.file.readAll().size(), 3);

    const QString denied = errorMessageText(FileErrors::permissionDenied());
    platform.messages.clear();
    EXPECT_EQ(enableBirthdayReminders(platform, session.file, ReminderMenus::off()), ReminderMenus::off());
    EXPECT_EQ(errorTexts(), QStringList{denied});
    EXPECT_EQ(errorNumberOf([&] { compactContactFile(session.file, 2); }), 70);
    EXPECT_EQ(errorNumberOf([&] { session.file.append(makeContact(QStringLiteral("New"), QStringLiteral("One"))); }), 70);
    EXPECT_EQ(errorNumberOf([&] { session.file.write(1, makeContact(QStringLiteral("New"), QStringLiteral("One"))); }), 70);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Friends.DAT")});
    EXPECT_TRUE(session.isOpen());
}

TEST_F(BadInputTest, AFileWhoseFolderVanishedTakesNoWritesIntoTheVoid)
{
    const QString folder = dir.filePath(QStringLiteral("stick"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString onStick = folder + QStringLiteral("/Friends.DAT");
    writeContacts(onStick, 2);
    ASSERT_EQ(open(onStick).result, FileCommandResult::Opened);
    ASSERT_TRUE(QDir(folder).removeRecursively());

    const QString notFound = errorMessageText(FileErrors::fileNotFound());
    platform.messages.clear();
    EXPECT_EQ(enableBirthdayReminders(platform, session.file, ReminderMenus::off()), ReminderMenus::off());
    EXPECT_EQ(errorTexts(), QStringList{notFound});
    EXPECT_EQ(errorNumberOf([&] { session.file.append(makeContact(QStringLiteral("Lost"), QStringLiteral("Not"))); }), 53);
    EXPECT_NE(errorNumberOf([&] { compactContactFile(session.file, 1); }), 0);
    EXPECT_FALSE(QFileInfo::exists(folder));

    // A path in a folder that is not there: Open answers with the message, the program goes on.
    platform.messages.clear();
    platform.messageAnswers = {MessageAnswer::Retry};
    EXPECT_EQ(open(onStick).result, FileCommandResult::Retry);
    EXPECT_EQ(errorTexts(), QStringList{notFound});
    EXPECT_EQ(open(path).result, FileCommandResult::Opened);
}

TEST_F(BadInputTest, AFullDiskIsDiskFullAndLeavesNoPartRecord)
{
    // ENOSPC in the middle of an append, as the seam injects it: half the record reaches the file.
    writeContacts(path, 2);
    const QByteArray before = readBytes(path);
    ASSERT_EQ(open(path).result, FileCommandResult::Opened);
    session.file.seam().tearAtWrite(1);
    EXPECT_EQ(errorNumberOf([&] { session.file.append(makeContact(QStringLiteral("No"), QStringLiteral("Room"))); }), 61);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(errorMessageText(FileErrors::fromErrno(ENOSPC)),
              QStringLiteral("An error has occurred. Error number 61 -- Disk full.  Try again, or notify author."));
    // Once there is room again the same contact goes in whole.
    session.file.append(makeContact(QStringLiteral("No"), QStringLiteral("Room")));
    EXPECT_EQ(readBytes(path).size(), 3 * Contact::RecordLength);
}
