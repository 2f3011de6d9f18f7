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
class ContactFile {
public:
    ContactFile() = default;
    ContactFile(const ContactFile&) = delete;
    ContactFile& operator=(const ContactFile&) = delete;

    // Opens path for reading and writing, creating an empty file when there is none;
    // an existing file is never truncated. Closes any file open before. A file the user may
    // only read opens for reading: every write then throws 70 "Permission denied" before it
    // touches anything. A file of more than MaxRecords records throws 7 "Out of memory"
    // instead of being read whole later.
    void open(const QString& path);
    static constexpr int MaxRecords = 1000000;
    bool isReadOnly() const { return isOpen() && m_readOnly; }
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
    // the file before returning. n <= 0 throws 63. A failed write puts back what the record
    // held (or cuts the file back to its length before an append), then throws. A file whose
    // path no longer names it (deleted, its folder gone) throws 53 instead of writing into
    // a file nobody can open again.
    void write(int n, const Contact& contact);
    void append(const Contact& contact);

    // Every change to disk goes through this seam (tests inject failures through it).
    WriteSeam& seam() { return m_seam; }

private:
    void requireOpen() const;
    void restore(qint64 offset, const QByteArray& before, qint64 oldSize);
    static void requireRecordNumber(int n);

    QFile m_file;
    QString m_path;
    bool m_readOnly = false;
    WriteSeam m_seam;
};
