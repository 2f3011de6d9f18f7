#include "exchange/ContactExport.h"

#include "contacts/ContactFile.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileErrors.h"
#include "contacts/ReplacingFile.h"
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
#include <iterator>
#include <optional>
#include <utility>

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

QString exportCell(const QString& value, QChar separator)
{
    const bool needsQuotes = value.contains(separator) || value.contains(u'"') || value.contains(u'\r')
        || value.contains(u'\n');
    if (!needsQuotes)
        return value;
    QString quoted = value;
    return u'"' + quoted.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString exportLine(const Contact& c, QChar separator)
{
    const QStringList values = {c.FirstName.trimmed(), c.MiddleInitial.trimmed(), c.LastName.trimmed(),
                                c.Street1.trimmed(),   c.Street2.trimmed(),       c.City.trimmed(),
                                c.State.trimmed(),     c.Zip.trimmed(),           c.Country.trimmed(),
                                c.Company.trimmed(),   c.IncludeCompany.trimmed(), c.HomePhone.trimmed(),
                                c.CellPhone.trimmed(), c.WorkPhone.trimmed(),     c.Email.trimmed(),
                                birthdateForExport(c.Birthdate), c.Category.trimmed(), c.Notes.trimmed()};
    QStringList cells;
    cells.reserve(values.size());
    for (const QString& value : values)
        cells << exportCell(value, separator);
    return cells.join(separator);
}

namespace {

// The bytes whose characters QString::trimmed() removes: tab to CR, space and no-break space
// (no other Windows-1252 byte decodes to a white-space character).
bool isTrimmedByte(char b)
{
    const auto u = static_cast<unsigned char>(b);
    return u == 0x20 || (u >= 0x09 && u <= 0x0D) || u == 0xA0;
}

// The field without the white space around it: the export trims as QString::trimmed() does,
// wider than the padding's spaces.
QByteArrayView withoutWhiteSpace(const char* from, int width)
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
    return QByteArrayView(from, end - from);
}

// Copies field Field of the record without the white space around it; returns the end of
// what it kept. The field's whole width is written, a copy of fixed size the compiler makes
// without a call; the next column writes over what lies past the end.
template <RecordField Field>
char* copyTrimmed(char* out, const char* record)
{
    constexpr int Width = Contact::fieldWidth(Field);
    const char* field = record + Contact::fieldOffset(Field);
    const QByteArrayView kept = withoutWhiteSpace(field, Width);
    if (kept.data() == field)
        std::memcpy(out, field, Width);
    else // white space before the text: rare
        std::memmove(out, kept.data(), size_t(kept.size()));
    return out + kept.size();
}

// Characters [from, from + count) of a text, as QString::mid cuts them.
char* copyPart(char* out, QByteArrayView text, qsizetype from, qsizetype count)
{
    if (from >= text.size())
        return out;
    const qsizetype n = std::min(count, text.size() - from);
    std::memcpy(out, text.data() + from, size_t(n));
    return out + n;
}

// Export column order.
constexpr RecordField kExportFields[] = {
    RecordField::FirstName, RecordField::MiddleInitial, RecordField::LastName,  RecordField::Street1,
    RecordField::Street2,   RecordField::City,          RecordField::State,     RecordField::Zip,
    RecordField::Country,   RecordField::Company,       RecordField::IncludeCompany,
    RecordField::HomePhone, RecordField::CellPhone,     RecordField::WorkPhone, RecordField::Email,
    RecordField::Birthdate, RecordField::Category,      RecordField::Notes,
};
// Every field quoted with each of its characters a quote, the separators and the two dashes
// of a birth date fit in this, and so does the last field's full width written past them.
constexpr int kMaxLineBytes = 2 * Contact::RecordLength + 64;

// As exportCell: the bytes [start, end) in quotes, their quotes doubled, when they hold the
// separator, a quote or a line break. Returns the new end.
char* quoteIfNeeded(char* start, char* end, char separator)
{
    qsizetype quotes = 0;
    bool needed = false;
    for (const char* p = start; p < end; ++p) {
        if (*p == '"')
            ++quotes;
        else if (*p == separator || *p == '\r' || *p == '\n')
            needed = true;
    }
    if (!needed && quotes == 0)
        return end;
    // From the back, so the text moves into its place in one pass.
    char* const newEnd = end + quotes + 2;
    char* w = newEnd;
    *--w = '"';
    for (const char* p = end; p > start;) {
        *--w = *--p;
        if (*p == '"')
            *--w = '"';
    }
    *--w = '"';
    return newEnd;
}

template <RecordField Field>
char* writeColumn(char* out, const char* record)
{
    if constexpr (Field != RecordField::Birthdate) {
        return copyTrimmed<Field>(out, record);
    } else {
        // As birthdateForExport: characters 5-6, "-", 7-8, "-", 1-4 of the trimmed value.
        const QByteArrayView b = withoutWhiteSpace(record + Contact::fieldOffset(Field), Contact::fieldWidth(Field));
        if (b.isEmpty())
            return out;
        out = copyPart(out, b, 4, 2);
        *out++ = '-';
        out = copyPart(out, b, 6, 2);
        *out++ = '-';
        return copyPart(out, b, 0, 4);
    }
}

template <bool MayQuote, std::size_t... Column>
char* writeColumns(char* out, const char* record, char separator, std::index_sequence<Column...>)
{
    const auto column = [&](auto field, bool first) {
        if (!first)
            *out++ = separator;
        char* const start = out;
        out = writeColumn<decltype(field)::value>(out, record);
        if constexpr (MayQuote)
            out = quoteIfNeeded(start, out, separator);
    };
    (column(std::integral_constant<RecordField, kExportFields[Column]>{}, Column == 0), ...);
    return out;
}

// Whether some field of the record holds a byte that makes its cell quoted. Most records hold
// none, and a scan of the whole record is far cheaper than one of each cell.
bool mayNeedQuotes(const char* record, char separator)
{
    constexpr std::size_t FieldBytes = Contact::RecordLength - 2; // without the CR LF
    for (const char c : {'"', '\r', '\n'})
        if (std::memchr(record, c, FieldBytes))
            return true;
    // The record's own separators are '|': the text export looks at each cell.
    return separator == '|' || std::memchr(record, separator, FieldBytes) != nullptr;
}

// Writes the line for `record` at `out`; returns its end.
char* writeExportLine(char* out, const char* record, char separator)
{
    constexpr auto columns = std::make_index_sequence<std::size(kExportFields)>{};
    return mayNeedQuotes(record, separator) ? writeColumns<true>(out, record, separator, columns)
                                            : writeColumns<false>(out, record, separator, columns);
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
    try {
        const bool csv = request.kind == ExportKind::Csv;
        const bool vCard = request.kind == ExportKind::VCard;
        const QChar separator = csv ? u',' : u'|';
        const int count = request.records ? int(request.records->size()) : contacts.recordCount();
        const QString base = exportBaseName(request.contactPath);
        const QString name = vCard ? base + QStringLiteral(".vcf")
                                   : (csv ? QStringLiteral("ZAZE_") : QStringLiteral("DODU_")) + base
                + (csv ? QStringLiteral(".csv") : QStringLiteral(".txt"));

        // The program folder; a folder that cannot be written sends the file beside the contact file.
        // The file is written whole beside its final name and renamed into place, so an export
        // that is interrupted leaves the previous one as it was.
        const QString programFolder = platform.userFilesFolder();
        const QString contactFolder = QFileInfo(request.contactPath).absolutePath();
        std::optional<ReplacingFile> out;
        bool beside = false;
        try {
            out.emplace(QDir(programFolder).filePath(name), contacts.seam());
        } catch (const AppError&) {
            if (sameFolder(programFolder, contactFolder))
                throw;
            out.emplace(QDir(contactFolder).filePath(name), contacts.seam());
            beside = true;
        }
        result.path = QDir(beside ? contactFolder : programFolder).filePath(name);

        if (!vCard)
            out->write(toWindows1252(exportHeader(separator)) + "\r\n");
        // Lines gather into blocks of about a megabyte, each written at once.
        constexpr qsizetype BlockBytes = 1 << 20;
        QByteArray block;
        block.reserve(BlockBytes + Contact::RecordLength * 2);
        const auto writeBlock = [&] {
            out->write(block);
            block.clear();
        };
        int written = 0;
        const char csvSeparator = csv ? ',' : '|';
        const auto add = [&](int, const char* record) {
            if (vCard)
                block += vCardOf(Contact::fromRecordBytes(record), request.vCardVersion);
            else
                appendExportLine(block, record, csvSeparator);
            ++written;
            if (block.size() >= BlockBytes)
                writeBlock();
        };
        if (!request.records)
            contacts.forEachRecord(add);
        else
            for (const int n : *request.records)
                add(n, contacts.read(n).toRecord().constData());
        writeBlock();
        out->commit();

        if (written == 0 || count == 0) {
            platform.messageBox(QStringLiteral("Export file could not be created.  There were no contacts on file."),
                                QStringLiteral("Export file not created"), MessageButtons::Ok, MessageIcon::Information);
            result.outcome = ExportResult::NoContacts;
            return result;
        }
        const QString kind = vCard ? QStringLiteral("vCard") : csv ? QStringLiteral("csv") : QStringLiteral("text");
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
        const MessageAnswer answer = showErrorMessage(platform, asAppError(std::current_exception()));
        result.outcome = answer == MessageAnswer::Retry ? ExportResult::ErrorRetry : ExportResult::ErrorCancel;
        return result;
    }
}
