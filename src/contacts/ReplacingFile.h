#pragma once

#include <QFile>
#include <QString>

class WriteSeam;

// A new version of a whole file, written beside it and put in its place in one rename, so that
// whatever happens the file is all old or all new. The temporary file lies in the folder of the
// file the path finally names (a symbolic link is written through and stays a link), under a
// hidden name of its own (see temporaryTemplate), takes the old file's permissions, and is locked
// while it exists so that a cleanup never removes one that a live process is writing.
//
//   ReplacingFile next(path, seam);   // throws AppError
//   next.write(bytes); ...            // through the seam
//   next.commit();                    // flush, sync to disk, rename over the file
// Destroyed without commit(), it removes its temporary file: the old file stays as it was.
class ReplacingFile {
public:
    ReplacingFile(const QString& path, WriteSeam& seam);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void write(const QByteArray& bytes);
    void commit();
    // After commit(): a new descriptor of the file now in place, open for reading and writing
    // and still holding the lock taken on it (the caller owns it).
    int takeDescriptor();
    // The file that is replaced: the path with every symbolic link followed.
    QString target() const { return m_target; }

    // The path with its symbolic links followed; the path itself when nothing exists there.
    static QString targetOf(const QString& path);
    // The hidden name pattern (QTemporaryFile's XXXXXX) for the temporaries of target.
    static QString temporaryTemplate(const QString& target);
    // Removes temporaries of path that an interrupted run left behind, except any that a live
    // process still holds.
    static void removeLeftovers(const QString& path);

private:
    WriteSeam& m_seam;
    QString m_target;
    QFile m_temp;
    bool m_committed = false;
};
