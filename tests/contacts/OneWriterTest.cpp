#include "ContactTestSupport.h"

#include "contacts/BirthdayReminders.h"
#include "contacts/Compaction.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileCommands.h"
#include "contacts/FileErrors.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

using namespace testing_contacts;

namespace {

QByteArray fiveContacts()
{
    return contactsBytes(5, QStringLiteral("0"));
}

// The child's run, to its end or to its kill; what it printed.
QString runChild(const QStringList& args, bool* killed = nullptr)
{
    QProcess child;
    child.start(QStringLiteral(TP_WRITER_CHILD), args);
    EXPECT_TRUE(child.waitForFinished(20000));
    if (killed)
        *killed = child.exitStatus() == QProcess::CrashExit;
    return QString::fromLatin1(child.readAllStandardOutput()).trimmed();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(OneWriter, AnotherProgramHoldingTheFileLeavesItReadOnlyHereUntilItDies)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Club.DAT"));
    writeBytes(path, fiveContacts());
    QProcess holder;
    holder.start(QStringLiteral(TP_WRITER_CHILD), {QStringLiteral("hold"), path});
    ASSERT_TRUE(holder.waitForReadyRead(20000));

    ContactFile file;
    try {
        file.open(path);
        FAIL() << "opened a file another program holds";
    } catch (const FileErrors::FileInUse& inUse) {
        EXPECT_EQ(inUse.holder(), QStringLiteral("tp_writer_child, process %1").arg(holder.processId()));
    }

    // No: nothing open. Yes: read-only, and every writer is refused with the reason, writing nothing.
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        FakePlatform platform;
        ContactSession session;
        platform.fileAnswers.push_back(FileDialogAnswer{path, QStringLiteral("Club.DAT")});
        platform.messageAnswers.push_back(answer);
        const FileCommandResult r = fileOpen(platform, session);
        ASSERT_FALSE(platform.messages.empty());
        EXPECT_EQ(platform.messages.front().title, QStringLiteral("Contact file in use"));
        EXPECT_TRUE(platform.messages.front().text.startsWith(
            QStringLiteral("Club.DAT is open in another Tessaprint (tp_writer_child, process ")));
        if (answer == MessageAnswer::No) {
            EXPECT_EQ(r.result, FileCommandResult::Cancelled);
            EXPECT_FALSE(session.isOpen());
            continue;
        }
        EXPECT_EQ(r.caption, QStringLiteral("Tessaprint  [Club]  (read-only)"));
        EXPECT_EQ(session.file.readAll().size(), 5);
        platform.messages.clear();
        enableBirthdayReminders(platform, session.file, ReminderMenus::off());
        try {
            session.file.append(makeContact(QStringLiteral("New"), QStringLiteral("One")));
        } catch (const AppError& error) {
            showErrorMessage(platform, error);
        }
        ASSERT_EQ(platform.messages.size(), 2u);
        for (const RecordedMessage& m : platform.messages)
            EXPECT_EQ(m.title, QStringLiteral("Contact file is read-only"));
        EXPECT_EQ(readBytes(path), fiveContacts());
    }

    holder.kill(); // SIGKILL: the system drops the lock with the process
    ASSERT_TRUE(holder.waitForFinished(20000));
    file.open(path);
    file.append(makeContact(QStringLiteral("New"), QStringLiteral("One")));
    EXPECT_EQ(file.recordCount(), 6);

    // A reader follows the holder's delete to the file now at the path.
    ContactFile reader;
    reader.openReadOnly(path, QString());
    compactContactFile(file, 1);
    EXPECT_EQ(reader.recordCount(), 5);
    EXPECT_EQ(reader.read(1).FirstName.trimmed(), QStringLiteral("Name2"));
}

TEST(OneWriter, AKillAtAnyStepOfAWholeFileChangeLeavesItAllOldOrAllNew)
{
    const QString oldExport = QStringLiteral("an earlier, complete export\r\n");
    for (const QString command : {QStringLiteral("delete"), QStringLiteral("reminders"), QStringLiteral("export")}) {
        // The clean run: what the change gives, and how many steps it takes.
        QTemporaryDir cleanDir;
        const QString cleanPath = cleanDir.filePath(QStringLiteral("Club.DAT"));
        writeBytes(cleanPath, fiveContacts());
        const QStringList counts = runChild({command, cleanPath}).split(u' ');
        ASSERT_EQ(counts.size(), 8) << command.toStdString();
        const bool exports = command == QLatin1String("export");
        const QString changed = exports ? QStringLiteral("ZAZE_Club.csv") : QStringLiteral("Club.DAT");
        const QByteArray after = readBytes(cleanDir.filePath(changed));
        const QByteArray before = exports ? oldExport.toLatin1() : fiveContacts();

        const QString steps[] = {QStringLiteral("write"), QStringLiteral("flush"), QStringLiteral("sync"),
                                 QStringLiteral("rename")};
        for (int kind = 0; kind < 4; ++kind) {
            EXPECT_GE(counts[kind * 2 + 1].toInt(), 1) << command.toStdString() << " " << steps[kind].toStdString();
            for (int n = 1; n <= counts[kind * 2 + 1].toInt(); ++n) {
                SCOPED_TRACE((command + u' ' + steps[kind] + u' ' + QString::number(n)).toStdString());
                QTemporaryDir dir;
                const QString path = dir.filePath(QStringLiteral("Club.DAT"));
                writeBytes(path, fiveContacts());
                if (exports)
                    writeBytes(dir.filePath(changed), before);
                bool killed = false;
                runChild({command, path, steps[kind], QString::number(n)}, &killed);
                EXPECT_TRUE(killed);
                const QByteArray now = readBytes(dir.filePath(changed));
                EXPECT_TRUE(now == before || (kind == 3 && now == after)) << now.size() << " bytes";
                // The next open (or export) removes what the killed run left behind.
                ContactFile file;
                file.open(path);
                file.close();
                QStringList expected{QStringLiteral("Club.DAT")};
                if (exports) {
                    runChild({command, path});
                    expected.push_back(changed);
                }
                EXPECT_EQ(filesIn(dir.path()).join(u' '), expected.join(u' '));
            }
        }
    }
}

TEST(OneWriter, WritesReachTheFileTheUserChoseAndNeverComeFromAStaleView)
{
    enum Case { Link, HardLink, ChangedByOther, ReplacedByOther };
    for (const Case c : {Link, HardLink, ChangedByOther, ReplacedByOther}) {
        SCOPED_TRACE(int(c));
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("data/Real.DAT"));
        const QString path = dir.filePath(QStringLiteral("Club.DAT"));
        QDir().mkpath(dir.filePath(QStringLiteral("data")));
        writeBytes(real, fiveContacts());
        QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const QFile::Permissions permissions = QFile::permissions(real);
        if (c == HardLink)
            ASSERT_EQ(::link(QFile::encodeName(real).constData(), QFile::encodeName(path).constData()), 0);
        else
            ASSERT_TRUE(QFile::link(real, path));
        FakePlatform platform;
        ContactFile file;
        file.open(path);
        const QByteArray expected = fiveContacts().mid(513);
        if (c == ChangedByOther) {
            QFile other(real);
            ASSERT_TRUE(other.open(QIODevice::Append));
            other.write(makeContact(QStringLiteral("Other"), QStringLiteral("Program")).toRecord());
        } else if (c == ReplacedByOther) {
            const QString next = dir.filePath(QStringLiteral("data/new"));
            writeBytes(next, fiveContacts().left(513));
            ASSERT_EQ(std::rename(QFile::encodeName(next).constData(), QFile::encodeName(real).constData()), 0);
        }
        const QByteArray was = readBytes(real);
        try {
            compactContactFile(file, 1);
        } catch (const AppError& error) {
            platform.messageAnswers.push_back(MessageAnswer::Yes); // open it again
            showErrorMessage(platform, error);
        }
        if (c == Link) {
            EXPECT_TRUE(platform.messages.empty());
            EXPECT_TRUE(QFileInfo(path).isSymLink());
            EXPECT_EQ(readBytes(real), expected);
            EXPECT_EQ(QFile::permissions(real), permissions);
            continue;
        }
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title,
                  c == HardLink ? QStringLiteral("Contact file not changed") : QStringLiteral("Contact file changed"));
        EXPECT_EQ(readBytes(real), was);
        EXPECT_EQ(readBytes(path), was);
        if (c != HardLink) {
            // Opened again on Yes: the change now goes through, over the other program's file.
            compactContactFile(file, 1);
            EXPECT_EQ(readBytes(real), was.mid(513));
        }
    }
}
