#include "ContactTestSupport.h"

#include "contacts/Compaction.h"
#include "contacts/ContactFile.h"
#include "contacts/ReplacingFile.h"
#include "platform/AppError.h"
#include "support/ErrorNumber.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace testing_contacts;

namespace {

class CompactionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(programFolder));
        ASSERT_TRUE(QDir().mkpath(dataFolder));
        writeContacts(path, 5);
        original = readBytes(path);
        ASSERT_EQ(original.size(), 5 * 513);
        file.open(path);
    }

    // Runs the compaction expecting it to fail; returns the error number.
    int failingCompaction(int removeRecord = 3)
    {
        return errorNumberOf([&] { compactContactFile(file, removeRecord); });
    }

    // Everything in a folder, hidden files too.
    static QStringList entries(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    void expectUntouched()
    {
        EXPECT_EQ(readBytes(path), original);
        EXPECT_EQ(entries(dataFolder), QStringList{QStringLiteral("Friends.DAT")}) << "no temporary file left";
        // The handle is open on the original and goes on working.
        ASSERT_TRUE(file.isOpen());
        EXPECT_EQ(file.recordCount(), 5);
        EXPECT_EQ(file.read(5).FirstName.trimmed(), QStringLiteral("Name5"));
    }

    QTemporaryDir dir;
    QString programFolder = dir.filePath(QStringLiteral("program"));
    QString dataFolder = dir.filePath(QStringLiteral("data"));
    QString path = dataFolder + QStringLiteral("/Friends.DAT");
    QByteArray original;
    ContactFile file;
};

} // namespace

TEST(Compaction, TheTemporaryFileIsHiddenBesideTheContactFile)
{
    EXPECT_EQ(ReplacingFile::temporaryTemplate(QStringLiteral("/home/ann/Friends.DAT")),
              QStringLiteral("/home/ann/.Friends.DAT.Tempf-XXXXXX"));
    EXPECT_TRUE(isMarkedDeleted(QStringLiteral("*DELETED*  ")));
    EXPECT_TRUE(isMarkedDeleted(QStringLiteral("*DELETED*xy")));
    EXPECT_FALSE(isMarkedDeleted(QStringLiteral(" *DELETED* ")));
    EXPECT_FALSE(isMarkedDeleted(QStringLiteral("*deleted*  ")));
}

TEST_F(CompactionTest, DeletingFromFiveLeavesFourWithTheLaterOnesRenumbered)
{
    compactContactFile(file, 3);
    const QByteArray after = readBytes(path);
    ASSERT_EQ(after.size(), 2052);
    EXPECT_EQ(recordBytes(after, 1), recordBytes(original, 1));
    EXPECT_EQ(recordBytes(after, 2), recordBytes(original, 2));
    EXPECT_EQ(recordBytes(after, 3), recordBytes(original, 4));
    EXPECT_EQ(recordBytes(after, 4), recordBytes(original, 5));
    EXPECT_EQ(entries(dataFolder), QStringList{QStringLiteral("Friends.DAT")});
    // The handle is open on the new file.
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.path(), path);
    EXPECT_EQ(file.recordCount(), 4);
    EXPECT_EQ(file.read(3).FirstName.trimmed(), QStringLiteral("Name4"));
    file.append(makeContact(QStringLiteral("Six"), QStringLiteral("Last6")));
    EXPECT_EQ(readBytes(path).size(), 5 * 513);
}

TEST_F(CompactionTest, AMarkedRecordGoesAtTheNextCompaction)
{
    Contact marked = file.read(2);
    marked.FirstName = QStringLiteral("*DELETED*");
    file.write(2, marked);
    compactContactFile(file, 4);
    const QByteArray after = readBytes(path);
    ASSERT_EQ(after.size(), 3 * 513);
    EXPECT_EQ(recordBytes(after, 1), recordBytes(original, 1));
    EXPECT_EQ(recordBytes(after, 2), recordBytes(original, 3));
    EXPECT_EQ(recordBytes(after, 3), recordBytes(original, 5));
}

TEST_F(CompactionTest, WithoutARecordNumberOnlyMarkedRecordsGo)
{
    Contact marked = file.read(1);
    marked.FirstName = QStringLiteral("*DELETED*Al");
    file.write(1, marked);
    compactContactFile(file);
    const QByteArray after = readBytes(path);
    ASSERT_EQ(after.size(), 4 * 513);
    EXPECT_EQ(after, original.mid(513));
}

TEST_F(CompactionTest, FilesThatLookLikeTheTemporaryOneAddNothingAndStay)
{
    QByteArray leftover;
    for (int i = 0; i < 10; ++i)
        leftover.append(makeContact(QStringLiteral("Ghost%1").arg(i), QStringLiteral("Old")).toRecord());
    const QStringList lookalikes{dataFolder + QStringLiteral("/Tempf"), dataFolder + QStringLiteral("/.Friends.DAT.Tempf-abc"),
                                 programFolder + QStringLiteral("/Tempf")};
    for (const QString& lookalike : lookalikes)
        writeBytes(lookalike, leftover);
    // The program's own name, left by an interrupted deletion that nobody holds any more: removed.
    writeBytes(dataFolder + QStringLiteral("/.Friends.DAT.Tempf-abcdef"), leftover);
    compactContactFile(file, 1);
    const QByteArray after = readBytes(path);
    EXPECT_EQ(after, original.mid(513));
    EXPECT_FALSE(after.contains("Ghost"));
    // A user's file of any name is never overwritten or removed.
    for (const QString& lookalike : lookalikes)
        EXPECT_EQ(readBytes(lookalike), leftover) << lookalike.toStdString();
    EXPECT_EQ(entries(dataFolder).size(), 3);
}

TEST_F(CompactionTest, DeletionWorksWhereverTheContactFileIsAndNeverTouchesTheProgramFolder)
{
    // The program folder cannot be written, as for an installed program.
    ASSERT_TRUE(QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                         | QFile::ExeOther));
    // Every folder its own file system: only a rename within one folder goes through.
    file.seam().refuseRenameAcrossFolders(true);
    compactContactFile(file, 3);
    EXPECT_EQ(readBytes(path).size(), 4 * 513);
    EXPECT_TRUE(entries(programFolder).isEmpty());

    // And on a file system of its own, when the machine has a memory one beside the temporary folder's.
    QTemporaryDir other(QStringLiteral("/dev/shm/tessaprint-XXXXXX"));
    if (other.isValid()) {
        const QString elsewhere = other.filePath(QStringLiteral("Club.DAT"));
        writeContacts(elsewhere, 3);
        ContactFile club;
        club.open(elsewhere);
        compactContactFile(club, 2);
        EXPECT_EQ(readBytes(elsewhere).size(), 2 * 513);
        EXPECT_EQ(club.read(2).FirstName.trimmed(), QStringLiteral("Name3"));
        EXPECT_EQ(entries(other.path()), QStringList{QStringLiteral("Club.DAT")});
    }
    QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(CompactionTest, DeletingTheOnlyContactLeavesAnEmptyFile)
{
    file.close();
    writeContacts(path + QStringLiteral("1"), 1);
    ContactFile single;
    single.open(path + QStringLiteral("1"));
    compactContactFile(single, 1);
    EXPECT_EQ(readBytes(path + QStringLiteral("1")).size(), 0);
    EXPECT_EQ(single.recordCount(), 0);
    file.open(path);
}

TEST_F(CompactionTest, TheSeamSeesEveryWriteFlushAndRename)
{
    const int writes = file.seam().writes(), flushes = file.seam().flushes(), renames = file.seam().renames();
    compactContactFile(file, 2);
    EXPECT_EQ(file.seam().writes() - writes, 4);
    EXPECT_EQ(file.seam().flushes() - flushes, 1);
    EXPECT_EQ(file.seam().renames() - renames, 1);
}

TEST_F(CompactionTest, AFailureWhileWritingTempfLeavesTheFileByteForByte)
{
    for (int n : {1, 2, 4}) {
        file.seam().failAtWrite(n);
        EXPECT_EQ(failingCompaction(), 61) << "write " << n;
        expectUntouched();
    }
}

TEST_F(CompactionTest, AFailureAfterTempfIsWrittenAndBeforeTheRenameLeavesTheFileByteForByte)
{
    file.seam().failAtFlush(1);
    EXPECT_EQ(failingCompaction(), 61);
    expectUntouched();
}

TEST_F(CompactionTest, AFailedRenameLeavesTheFileByteForByte)
{
    file.seam().failAtRename(1);
    EXPECT_EQ(failingCompaction(), 75);
    expectUntouched();
    // And the next try succeeds.
    compactContactFile(file, 3);
    EXPECT_EQ(readBytes(path).size(), 2052);
}

TEST_F(CompactionTest, NoInjectedFailureAnywhereLosesAContact)
{
    // A deletion from five makes 4 writes, 1 flush and 1 rename: fail each in turn.
    for (int n = 1; n <= 4; ++n) {
        file.seam().failAtWrite(n);
        EXPECT_NE(failingCompaction(), 0) << "write " << n;
        expectUntouched();
    }
    file.seam().failAtFlush(1);
    EXPECT_NE(failingCompaction(), 0);
    expectUntouched();
    file.seam().failAtRename(1);
    EXPECT_NE(failingCompaction(), 0);
    expectUntouched();
    // Nothing armed any more: the deletion goes through.
    compactContactFile(file, 3);
    EXPECT_EQ(readBytes(path).size(), 2052);
}

TEST_F(CompactionTest, AFolderThatCannotBeWrittenLeavesTheFileByteForByte)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "every folder can be written by root";
    ASSERT_TRUE(QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(failingCompaction(), 70);
    QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    expectUntouched();
}
