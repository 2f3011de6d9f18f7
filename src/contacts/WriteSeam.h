#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QFile;

// The one way the contact layer changes files on disk: every write, flush, sync and rename of
// the contact file and of the temporary files that replace it or an export goes through here, so
// a test can make the N-th one fail.
//
// Failures throw AppError: a real one numbered from errno (FileErrors::fromErrno), an injected
// write, flush or sync 61 "Disk full", an injected rename 75 "Path/File access error".
// An injected failure changes nothing on disk (the call fails before it does anything), except
// tearAtWrite, which puts the first half of the bytes on the file first, as a disk that fills up
// in the middle of a write does.
//
//   file.seam().failAtWrite(3); // the third write from now fails, once
class WriteSeam {
public:
    // Test hooks: fail the n-th call of that kind counted from now (1 = the next one);
    // 0 switches it off. Each fires once.
    void failAtWrite(int n) { m_failWrite = n ? m_writes + n : 0; m_tear = false; }
    void tearAtWrite(int n) { m_failWrite = n ? m_writes + n : 0; m_tear = true; }
    void failAtFlush(int n) { m_failFlush = n ? m_flushes + n : 0; }
    void failAtRename(int n) { m_failRename = n ? m_renames + n : 0; }
    void failAtSync(int n) { m_failSync = n ? m_syncs + n : 0; }
    // Called before every write, flush, sync and rename (with its count so far, this one
    // included), so a test can log their order or end the process at a chosen one.
    enum class Step { Write, Flush, Sync, Rename };
    void setObserver(std::function<void(Step, int)> observer) { m_observer = std::move(observer); }
    // As a system where every folder is a file system of its own: a rename between two
    // folders fails as a cross-device rename does (75).
    void refuseRenameAcrossFolders(bool refuse) { m_refuseAcrossFolders = refuse; }
    // As a file the user may only read (which root cannot otherwise see): opening for writing
    // fails with EACCES.
    void denyWriteAccess(bool deny) { m_denyWrite = deny; }
    bool writeAccessDenied() const { return m_denyWrite; }

    // Calls made so far (injected failures included).
    int writes() const { return m_writes; }
    int flushes() const { return m_flushes; }
    int renames() const { return m_renames; }
    int syncs() const { return m_syncs; }

    // Writes all of bytes at the file's current position.
    void write(QFile& file, const QByteArray& bytes);
    // Hands Qt's buffer to the system, so that every reader of the path sees the data.
    void flush(QFile& file);
    // Waits until the system has the file's data on the disk (fsync).
    void sync(QFile& file);
    // Renames from over to in one atomic step, replacing an existing `to` (rename(2)), then
    // syncs the folder so that the rename itself survives a power cut. Both paths must be on
    // one filesystem.
    void rename(const QString& from, const QString& to);

private:
    void observe(Step step, int count) { if (m_observer) m_observer(step, count); }

    int m_writes = 0, m_flushes = 0, m_renames = 0, m_syncs = 0;
    int m_failWrite = 0, m_failFlush = 0, m_failRename = 0, m_failSync = 0;
    std::function<void(Step, int)> m_observer;
    bool m_tear = false;
    bool m_refuseAcrossFolders = false;
    bool m_denyWrite = false;
};
