#pragma once

#include "contacts/Contact.h"
#include "contacts/WriteSeam.h"

#include <QFile>
#include <QString>
#include <QVector>

#include <functional>

// The one open contact file handle: fixed 513-byte records addressed by record
// number from 1. Every failure throws AppError (FileErrors.h); the caller's handler shows it.
//
//   ContactFile& f = session.file;
//   int n = f.recordCount();          // recomputed from the length every call
//   Contact c = f.read(1);            // fields keep their padding; trim to show
//   f.write(1, c);  f.append(c);      // on disk (flushed) when they return
//   QVector<Contact> all = f.readAll(); // records 1..recordCount in one read
//   f.forEachRecord([](int n, const char* record) { ... }); // the raw 513 bytes of each, in order
//
// Removing records (rewrite through a temporary file beside it, atomic rename) is in Compaction.h.
//
// One writer per file: open() takes a lock that the system drops when the process ends, and
// throws FileInUse when another process holds it; openReadOnly() then reads without it. Before
// every write the file must still be the one opened, unchanged since this handle last wrote it
// (identity, size, modification time), or the write is refused: no change is ever made from a
// stale view, even where locks do not reach.
class ContactFile {
public:
    ContactFile() = default;
    ContactFile(const ContactFile&) = delete;
    ContactFile& operator=(const ContactFile&) = delete;

    // Opens path for reading and writing, creating an empty file when there is none;
    // an existing file is never truncated. Closes any file open before. A file the user may
    // only read opens for reading: every write then throws 70 "Permission denied" before it
    // touches anything. A file of more than MaxRecords records throws 7 "Out of memory"
    // instead of being read whole later. Another process holding the file throws FileInUse.
    // Temporary files an interrupted rewrite of this file left behind are removed.
    void open(const QString& path);
    // Opens an existing file for reading only, without the lock, because another process holds
    // it (heldBy says who, for the refusals). Every write is refused with a message saying so.
    // When that process replaces the file (a delete), reads follow the path to the new file.
    void openReadOnly(const QString& path, const QString& heldBy);
    static constexpr int MaxRecords = 1000000;
    bool isReadOnly() const { return isOpen() && m_readOnly; }
    // Open read-only because another process holds the file.
    bool isHeldElsewhere() const { return isOpen() && m_heldElsewhere; }
    // The file that writes change: the path with its symbolic links followed.
    QString target() const { return isOpen() ? m_target : QString(); }
    // Hard links: more than one name for the file. A rewrite of the whole file would part the
    // names, so the rewrites refuse such a file.
    bool hasOtherNames() const;
    // No effect when none is open.
    void close();
    bool isOpen() const { return m_file.isOpen(); }
    // The path given to open(); empty when none is open.
    QString path() const { return isOpen() ? m_path : QString(); }

    // File length / 513, rounded to the nearest whole number (a fragment of 257 bytes or
    // more counts as a record).
    int recordCount() const;
    // The file's length in bytes (0 when none is open).
    qint64 length() const { return isOpen() ? m_file.size() : 0; }
    static int recordCountForLength(qint64 length);

    // Record n (>= 1; 0 or below throws 63 "Bad record number"). A record beyond the end reads
    // as Contact::blank() without an error; a short fragment at the end is padded with spaces.
    Contact read(int n);
    // Records 1..recordCount(), read in large sequential blocks.
    QVector<Contact> readAll();
    // Records 1..recordCount() in order, read in large sequential blocks without decoding:
    // visit(n, record) sees the 513 bytes of record n (a short last fragment padded with
    // spaces, as read() pads it), valid only during the call. For readers of every record
    // that need a few fields of each, or none decoded at all.
    void forEachRecord(const std::function<void(int n, const char* record)>& visit);
    // Writes all 513 bytes of record n (n = recordCount() + 1 appends) and flushes them to
    // the file before returning. n <= 0 or past recordCount() + 1 throws 63. A failed write puts
    // back what the record held (or cuts the file back to its length before an append), then
    // throws. A file whose path no longer names it (deleted, its folder gone) throws 53 instead
    // of writing into a file nobody can open again. An append after a torn last record (one
    // that counts, 257 bytes or more) first completes it as read() shows it, so every record
    // stays whole.
    void write(int n, const Contact& contact);
    void append(const Contact& contact);

    // Throws the refusal for a write this handle may not make now: read-only because another
    // process holds the file, or the file replaced or changed by another program since this
    // handle last saw it (that refusal offers to open the file again). Every writer calls it
    // before touching anything.
    void requireWritable();
    // Takes over a descriptor of the file now at the path (a rewrite's, already locked) as
    // the handle, and its state as the one this handle last saw.
    void adopt(int descriptor);

    // Every change to disk goes through this seam (tests inject failures through it).
    WriteSeam& seam() { return m_seam; }

private:
    struct Identity {
        quint64 device = 0, inode = 0;
        qint64 size = -1, mtimeNs = -1;
        bool operator==(const Identity&) const = default;
    };
    void requireOpen() const;
    void restore(qint64 offset, const QByteArray& before, qint64 oldSize);
    static void requireRecordNumber(int n);
    void startOpen(const QString& path);
    void openLocked(const QString& path);
    void finishOpen(const QString& path);
    void remember();
    // A read-only handle follows the path when the holder has replaced the file.
    void followReplacement() const;
    [[noreturn]] void throwStale();

    mutable QFile m_file;
    QString m_path;
    QString m_target;
    bool m_readOnly = false;
    bool m_heldElsewhere = false;
    QString m_heldBy;
    Identity m_seen; // the file as this handle last left it
    WriteSeam m_seam;
};
