#include "exchange/ContactExport.h"

#include "contacts/ContactFile.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileErrors.h"
#include "contacts/Windows1252.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

const char* const kColumns[] = {"First Name", "MI",         "Last Name",  "Street1",
                                "Street2",    "City",       "State",      "Zip",
                                "Country",    "Company",    "Include Company in Address",
                                "Home Phone", "Cell Phone", "Work Phone", "Email",
                                "Birthdate",  "Category",   "Notes"};

QString birthdateForExport(const QString& stored)
{
    const QString b = stored.trimmed();
    if (b.isEmpty())
        return b;
    return b.mid(4, 2) + u'-' + b.mid(6, 2) + u'-' + b.left(4);
}

AppError lastFileError()
{
    return FileErrors::fromErrno(errno ? errno : EIO);
}

void writeLine(QFile& file, const QString& line)
{
    errno = 0;
    const QByteArray bytes = toWindows1252(line) + "\r\n";
    if (file.write(bytes) != bytes.size())
        throw lastFileError();
}

bool sameFolder(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    const QString cb = QFileInfo(b).canonicalFilePath();
    return !ca.isEmpty() ? ca == cb : QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

QString exportHeader(QChar separator)
{
    QStringList names;
    for (const char* name : kColumns)
        names << QString::fromLatin1(name);
    return names.join(separator);
}

QString exportLine(const Contact& c, QChar separator)
{
    const QStringList values = {c.FirstName.trimmed(), c.MiddleInitial.trimmed(), c.LastName.trimmed(),
                                c.Street1.trimmed(),   c.Street2.trimmed(),       c.City.trimmed(),
                                c.State.trimmed(),     c.Zip.trimmed(),           c.Country.trimmed(),
                                c.Company.trimmed(),   c.IncludeCompany.trimmed(), c.HomePhone.trimmed(),
                                c.CellPhone.trimmed(), c.WorkPhone.trimmed(),     c.Email.trimmed(),
                                birthdateForExport(c.Birthdate), c.Category.trimmed(), c.Notes.trimmed()};
    return values.join(separator);
}

QString exportBaseName(const QString& contactPath)
{
    QString name = QFileInfo(contactPath).fileName();
    name.remove(QStringLiteral(".DAT"), Qt::CaseSensitive);
    name.remove(QStringLiteral(".dat"), Qt::CaseSensitive);
    return name;
}

ExportResult exportContacts(Platform& platform, ContactFile& contacts, const ExportRequest& request)
{
    ExportResult result;
    QFile out;
    try {
        const bool csv = request.kind == ExportKind::Csv;
        const QChar separator = csv ? u',' : u'|';
        const int count = contacts.recordCount();
        const QString base = exportBaseName(request.contactPath);
        const QString name = (csv ? QStringLiteral("ZAZE_") : QStringLiteral("DODU_")) + base
            + (csv ? QStringLiteral(".csv") : QStringLiteral(".txt"));

        // The program folder; a folder that cannot be written sends the file beside the contact file.
        const QString programFolder = platform.programFolder();
        const QString contactFolder = QFileInfo(request.contactPath).absolutePath();
        out.setFileName(QDir(programFolder).filePath(name));
        errno = 0;
        bool beside = false;
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            const AppError first = lastFileError();
            if (sameFolder(programFolder, contactFolder))
                throw first;
            out.setFileName(QDir(contactFolder).filePath(name));
            errno = 0;
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw first;
            beside = true;
        }
        result.path = out.fileName();

        writeLine(out, exportHeader(separator));
        const QVector<Contact> all = contacts.readAll();
        for (const Contact& c : all)
            writeLine(out, exportLine(c, separator));
        errno = 0;
        if (!out.flush())
            throw lastFileError();
        out.close();

        if (all.isEmpty() || count == 0) {
            platform.messageBox(QStringLiteral("Export file could not be created.  There were no contacts on file."),
                                QStringLiteral("Export file not created"), MessageButtons::Ok, MessageIcon::Information);
            result.outcome = ExportResult::NoContacts;
            return result;
        }
        const QString kind = csv ? QStringLiteral("csv") : QStringLiteral("text");
        const QString place = beside ? QStringLiteral("the folder of your contact file, ")
                + QDir::toNativeSeparators(contactFolder)
                + QStringLiteral(", since your Tessaprint folder cannot be written to")
                                     : QStringLiteral("your Tessaprint folder");
        platform.messageBox(QStringLiteral("D O N E !  A ") + kind
                                + QStringLiteral(" file of contacts has been created and stored in ") + place
                                + QStringLiteral(".  This file is named ") + name,
                            QStringLiteral("Export file created"), MessageButtons::Ok, MessageIcon::None);
        result.outcome = ExportResult::Created;
        return result;
    } catch (...) {
        out.close();
        const MessageAnswer answer = showErrorMessage(platform, asAppError(std::current_exception()));
        result.outcome = answer == MessageAnswer::Retry ? ExportResult::ErrorRetry : ExportResult::ErrorCancel;
        return result;
    }
}
