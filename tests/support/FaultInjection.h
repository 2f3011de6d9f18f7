#pragma once

#include "contacts/Compaction.h"
#include "contacts/Contact.h"
#include "contacts/ContactSession.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileErrors.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Fails every write, flush, sync and rename an operation on the contact file performs, one at a time,
// and checks what a user relies on: each record afterwards is its old or its new self (nothing
// torn, nothing lost), the error message was shown, and the program goes on.
//
//   FaultCase c;
//   c.before = fiveContacts;
//   c.change = FaultCase::InPlace;
//   c.run = [](FaultEnv& env) { enableBirthdayReminders(env.platform, env.session.file, ...); };
//   const FaultReport r = checkEveryFault(c);   // r.writes == 5, ...
namespace faults {

// One fresh world per run: a program folder, the contact file beside it, the session open on it.
struct FaultEnv {
    QTemporaryDir dir;
    QString programFolder = dir.filePath(QStringLiteral("program"));
    QString path = dir.filePath(QStringLiteral("data/Friends.DAT"));
    FakePlatform platform;
    ContactSession session;

    explicit FaultEnv(const QByteArray& contents)
    {
        QDir().mkpath(programFolder);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(contents);
        f.close();
        platform.folder = programFolder;
        session.file.open(path);
        session.txtFileNam = path;
        session.txtFileTitle = QStringLiteral("Friends");
    }

    QByteArray contents() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

struct FaultCase {
    // How the operation changes the file, which decides what a failed run may leave.
    enum Change {
        InPlace, // rewrites records where they are: each record old or new, same count
        Append,  // adds records at the end: the old ones untouched, then the first k new ones
        Whole,   // replaces the file (compaction): all old or all new
    };

    QByteArray before;
    Change change = InPlace;
    std::function<void(FaultEnv&)> run;
    // Answers scripted before each run (message answers, file dialog answers, ...).
    std::function<void(FaultEnv&)> script;
    // The text the error message begins with is errorMessageText(error, suffix).
    QString suffix = defaultErrorSuffix;
    // What the message adds after that text, given the records the failed run added; none: nothing.
    std::function<QString(int added)> after;
    // After a failed run the same operation runs again, unscripted faults off, and must give
    // exactly what the clean run gave. Off for operations that are not idempotent (an import).
    bool rerunGivesAfter = true;
    // After a failed run: reopens the session when the failure closed it, appends a contact and
    // reads it back. Runs always.
    bool appendAfter = true;
};

struct FaultReport {
    int writes = 0, flushes = 0, syncs = 0, renames = 0;
    QByteArray after; // the file after the clean run
    int faultsInjected = 0;
};

inline QVector<QByteArray> recordsOf(const QByteArray& bytes)
{
    QVector<QByteArray> records;
    for (qint64 at = 0; at < bytes.size(); at += Contact::RecordLength)
        records.push_back(bytes.mid(at, Contact::RecordLength));
    return records;
}

// Whether `got` is a state a failed run of the change may leave between before and after.
inline ::testing::AssertionResult isOldOrNew(FaultCase::Change change, const QByteArray& before,
                                             const QByteArray& after, const QByteArray& got)
{
    if (got.size() % Contact::RecordLength != 0 && got.size() != before.size())
        return ::testing::AssertionFailure() << "torn: length " << got.size();
    const QVector<QByteArray> old = recordsOf(before), fresh = recordsOf(after), now = recordsOf(got);
    switch (change) {
    case FaultCase::InPlace:
        if (now.size() != old.size())
            return ::testing::AssertionFailure() << "record count " << now.size() << " not " << old.size();
        for (int i = 0; i < now.size(); ++i)
            if (now[i] != old[i] && (i >= fresh.size() || now[i] != fresh[i]))
                return ::testing::AssertionFailure() << "record " << i + 1 << " is neither old nor new";
        return ::testing::AssertionSuccess();
    case FaultCase::Append:
        if (now.size() < old.size() || now.size() > fresh.size())
            return ::testing::AssertionFailure() << "record count " << now.size();
        for (int i = 0; i < now.size(); ++i)
            if (now[i] != (i < old.size() ? old[i] : fresh[i]))
                return ::testing::AssertionFailure() << "record " << i + 1 << " differs";
        return ::testing::AssertionSuccess();
    case FaultCase::Whole:
        if (got == before || got == after)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "neither the old nor the new file";
    }
    return ::testing::AssertionFailure();
}

enum class Fault { Write, TornWrite, Flush, Sync, Rename };

inline const char* faultName(Fault fault)
{
    switch (fault) {
    case Fault::Write: return "write";
    case Fault::TornWrite: return "torn write";
    case Fault::Flush: return "flush";
    case Fault::Sync: return "sync";
    case Fault::Rename: return "rename";
    }
    return "?";
}

inline void arm(WriteSeam& seam, Fault fault, int n)
{
    switch (fault) {
    case Fault::Write: seam.failAtWrite(n); break;
    case Fault::TornWrite: seam.tearAtWrite(n); break;
    case Fault::Flush: seam.failAtFlush(n); break;
    case Fault::Sync: seam.failAtSync(n); break;
    case Fault::Rename: seam.failAtRename(n); break;
    }
}

inline void disarm(WriteSeam& seam)
{
    seam.failAtWrite(0);
    seam.failAtFlush(0);
    seam.failAtSync(0);
    seam.failAtRename(0);
}

inline FaultReport checkEveryFault(const FaultCase& c)
{
    FaultReport report;
    {
        FaultEnv clean(c.before);
        if (c.script)
            c.script(clean);
        WriteSeam& seam = clean.session.file.seam();
        const int w = seam.writes(), f = seam.flushes(), y = seam.syncs(), r = seam.renames();
        c.run(clean);
        report.writes = seam.writes() - w;
        report.flushes = seam.flushes() - f;
        report.syncs = seam.syncs() - y;
        report.renames = seam.renames() - r;
        report.after = clean.contents();
        for (const RecordedMessage& m : clean.platform.messages)
            EXPECT_NE(m.title, QStringLiteral("Error")) << "the clean run failed: " << m.text.toStdString();
    }

    const struct {
        Fault fault;
        int count;
        AppError error;
    } kinds[] = {
        {Fault::Write, report.writes, FileErrors::diskFull()},
        {Fault::TornWrite, report.writes, FileErrors::diskFull()},
        {Fault::Flush, report.flushes, FileErrors::diskFull()},
        {Fault::Sync, report.syncs, FileErrors::diskFull()},
        {Fault::Rename, report.renames, FileErrors::pathFileAccess()},
    };
    for (const auto& kind : kinds) {
        for (int n = 1; n <= kind.count; ++n) {
            SCOPED_TRACE(std::string(faultName(kind.fault)) + " " + std::to_string(n) + " of "
                         + std::to_string(kind.count));
            ++report.faultsInjected;
            FaultEnv env(c.before);
            if (c.script)
                c.script(env);
            arm(env.session.file.seam(), kind.fault, n);
            c.run(env);
            disarm(env.session.file.seam());

            EXPECT_TRUE(isOldOrNew(c.change, c.before, report.after, env.contents()));
            EXPECT_EQ(QDir(QFileInfo(env.path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                      QStringList{QFileInfo(env.path).fileName()})
                << "a temporary file left behind";
            const int added = int((env.contents().size() - c.before.size()) / Contact::RecordLength);
            int errors = 0;
            for (const RecordedMessage& m : env.platform.messages) {
                if (m.title != QStringLiteral("Error"))
                    continue;
                ++errors;
                EXPECT_EQ(m.text, errorMessageText(kind.error, c.suffix) + (c.after ? c.after(added) : QString()));
                EXPECT_EQ(m.buttons, MessageButtons::RetryCancel);
            }
            EXPECT_EQ(errors, 1) << "the error message is shown once";

            if (c.rerunGivesAfter) {
                env.platform.messages.clear();
                if (c.script)
                    c.script(env);
                if (!env.session.isOpen())
                    env.session.file.open(env.path);
                c.run(env);
                EXPECT_EQ(env.contents(), report.after) << "running it again gives the clean result";
                for (const RecordedMessage& m : env.platform.messages)
                    EXPECT_NE(m.title, QStringLiteral("Error")) << m.text.toStdString();
            }
            if (c.appendAfter) {
                if (!env.session.isOpen())
                    env.session.file.open(env.path);
                Contact next = Contact::blank();
                next.FirstName = QStringLiteral("Afterwards");
                const qint64 length = env.contents().size();
                env.session.file.append(next);
                const QByteArray now = env.contents();
                EXPECT_EQ(now.size() % Contact::RecordLength, 0);
                EXPECT_EQ(now.right(Contact::RecordLength), next.toRecord());
                EXPECT_GE(now.size(), length);
            }
        }
    }
    return report;
}

} // namespace faults
