#include "exchange/ContactExport.h"

#include "contacts/ContactFile.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileErrors.h"
#include "contacts/Windows1252.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cerrno>
#include <cstring>

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

namespace {

// The bytes whose characters QString::trimmed() removes: tab to CR, space and no-break space
// (no other Windows-1252 byte decodes to a white-space character).
bool isTrimmedByte(char b)
{
    const auto u = static_cast<unsigned char>(b);
    return u == 0x20 || (u >= 0x09 && u <= 0x0D) || u == 0xA0;
}

// Copies the field without the white space around it; returns the end of what it wrote.
char* copyTrimmed(char* out, const char* from, int width)
{
    const char* end = from + width;
    // Padding is spaces: skipped eight at a time, the last of them found in one word.
    constexpr std::uint64_t Spaces = 0x2020202020202020ull;
    while (end - from >= 8) {
        std::uint64_t eight;
        std::memcpy(&eight, end - 8, 8);
        const std::uint64_t differ = eight ^ Spaces;
        if (differ == 0) {
            end -= 8;
            continue;
        }
        if constexpr (std::endian::native == std::endian::little)
            end -= std::countl_zero(differ) / 8; // the bytes after the last that is not a space
        break;
    }
    while (end > from && isTrimmedByte(end[-1]))
        --end;
    while (from < end && isTrimmedByte(*from))
        ++from;
    std::memcpy(out, from, size_t(end - from));
    return out + (end - from);
}

// Characters [from, from + count) of a text of `size`, as QString::mid cuts them.
char* copyPart(char* out, const char* text, qsizetype size, qsizetype from, qsizetype count)
{
    if (from >= size)
        return out;
    const qsizetype n = std::min(count, size - from);
    std::memcpy(out, text + from, size_t(n));
    return out + n;
}

// Export column order, as field numbers of the record.
constexpr int kExportFields[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 16, 17, 9, 10, 11, 12, 13, 14, 15};
constexpr int kBirthdateField = 13;
// Every field, the separators and the two dashes of a birth date fit in this.
constexpr int kMaxLineBytes = Contact::RecordLength + 8;

// Writes the line for `record` at `out`; returns its end.
struct Column {
    int field, offset, width;
};
const std::array<Column, 18>& exportColumns()
{
    static const std::array<Column, 18> columns = [] {
        std::array<Column, 18> c{};
        for (int i = 0; i < 18; ++i)
            c[i] = {kExportFields[i], Contact::fieldInfo(kExportFields[i]).offset,
                    Contact::fieldInfo(kExportFields[i]).width};
        return c;
    }();
    return columns;
}

char* writeExportLine(char* out, const char* record, char separator)
{
    bool firstColumn = true;
    for (const Column& info : exportColumns()) {
        if (!firstColumn)
            *out++ = separator;
        firstColumn = false;
        if (info.field != kBirthdateField) {
            out = copyTrimmed(out, record + info.offset, info.width);
            continue;
        }
        // As birthdateForExport: characters 5-6, "-", 7-8, "-", 1-4 of the trimmed value.
        char b[8];
        const qsizetype size = copyTrimmed(b, record + info.offset, info.width) - b;
        if (size == 0)
            continue;
        out = copyPart(out, b, size, 4, 2);
        *out++ = '-';
        out = copyPart(out, b, size, 6, 2);
        *out++ = '-';
        out = copyPart(out, b, size, 0, 4);
    }
    return out;
}

// Appends the line and its CR LF to `block`.
void appendExportLine(QByteArray& block, const char* record, char separator)
{
    const qsizetype at = block.size();
    block.resize(at + kMaxLineBytes + 2);
    char* end = writeExportLine(block.data() + at, record, separator);
    *end++ = '\r';
    *end++ = '\n';
    block.resize(end - block.constData());
}

} // namespace

QByteArray exportLineBytes(const char* record, char separator)
{
    QByteArray line(kMaxLineBytes, Qt::Uninitialized);
    line.resize(writeExportLine(line.data(), record, separator) - line.constData());
    return line;
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
        // Lines gather into blocks of about a megabyte, each written at once.
        constexpr qsizetype BlockBytes = 1 << 20;
        QByteArray block;
        block.reserve(BlockBytes + Contact::RecordLength * 2);
        const auto writeBlock = [&] {
            errno = 0;
            if (out.write(block) != block.size())
                throw lastFileError();
            block.clear();
        };
        int written = 0;
        const char csvSeparator = csv ? ',' : '|';
        contacts.forEachRecord([&](int, const char* record) {
            appendExportLine(block, record, csvSeparator);
            ++written;
            if (block.size() >= BlockBytes)
                writeBlock();
        });
        writeBlock();
        errno = 0;
        if (!out.flush())
            throw lastFileError();
        out.close();

        if (written == 0 || count == 0) {
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
