#include "exchange/CsvImport.h"

#include "contacts/ContactBoxes.h"
#include "contacts/ContactFile.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileErrors.h"
#include "contacts/RecordView.h"
#include "contacts/StoredText.h"
#include "exchange/CsvLayouts.h"
#include "exchange/CsvStream.h"
#include "exchange/VCardImport.h"
#include "exchange/VCardReader.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>

namespace {

// Opens the CSV file for reading, or throws why it cannot be read.
void openCsvFile(QFile& file, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw FileErrors::fileNotFound();
    if (info.isDir())
        throw FileErrors::pathFileAccess();
    // One far larger than any address book is refused before it is read.
    if (info.size() > MaxCsvBytes)
        throw FileErrors::tooLarge();
    file.setFileName(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw FileErrors::fromErrno(errno ? errno : EIO);
}

bool isBlank(const Contact& w)
{
    return w.FirstName.trimmed().isEmpty() && w.LastName.trimmed().isEmpty() && w.Email.trimmed().isEmpty();
}

} // namespace

CsvChoice chooseCsvFile(Platform& platform)
{
    CsvChoice choice;
    try {
        FileDialogRequest request;
        request.title = QStringLiteral("Open");
        request.filter = QStringLiteral(
            "CSV Files (*.CSV)|*.CSV|vCard Files (*.VCF)|*.VCF|Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*");
        const std::optional<FileDialogAnswer> answer = platform.openFileDialog(request);
        if (!answer || answer->path.isEmpty())
            return choice;
        QFile file;
        openCsvFile(file, answer->path);
        errno = 0;
        if (file.read(4096).isEmpty() && !file.atEnd())
            throw FileErrors::fromErrno(errno ? errno : EIO);
        choice.outcome = CsvChoice::Chosen;
        choice.path = answer->path;
        choice.title = answer->fileName.isEmpty() ? QFileInfo(answer->path).fileName() : answer->fileName;
        return choice;
    } catch (...) {
        const MessageAnswer answer = showErrorMessage(platform, asAppError(std::current_exception()), importErrorSuffix);
        choice.outcome = answer == MessageAnswer::Retry ? CsvChoice::ErrorRetry : CsvChoice::ErrorCancel;
        return choice;
    }
}

namespace {

// A run of two or three characters of the first (field 0) or the last name (field 1).
quint64 runKey(int field, const QString& name, qsizetype at, int length)
{
    quint64 key = quint64(field) << 49 | quint64(length - 2) << 48 | quint64(name[at].unicode()) << 32
        | quint64(name[at + 1].unicode()) << 16;
    return length == 3 ? key | name[at + 2].unicode() : key;
}

// QString::contains, without its set-up: names are a few characters, and a line meets
// a hundred of them.
bool holds(QStringView text, QStringView part)
{
    if (part.isEmpty())
        return true;
    const qsizetype last = text.size() - part.size();
    for (qsizetype at = 0; at <= last; ++at)
        if (text[at] == part[0] && text.sliced(at, part.size()) == part)
            return true;
    return false;
}

// The characters a pair of names holds, as bits: a name that contains another holds all of
// its bits. Read before the names' own text, which lies far apart in memory.
quint64 signature(const QString& first, const QString& last)
{
    quint64 bits = 0;
    for (QChar c : first)
        bits |= quint64(1) << (c.unicode() % 32);
    for (QChar c : last)
        bits |= quint64(1) << (32 + c.unicode() % 32);
    return bits;
}

template <typename Visit>
void forEachRun(int field, const QString& name, Visit visit)
{
    for (int length = 2; length <= 3; ++length)
        for (qsizetype at = 0; at + length <= name.size(); ++at)
            visit(runKey(field, name, at, length));
}

} // namespace

DuplicateIndex::DuplicateIndex(const QVector<Contact>& onFile)
{
    for (const Contact& c : onFile)
        add(c.FirstName.trimmed(), c.LastName.trimmed(), c.Email.trimmed());
}

DuplicateIndex::DuplicateIndex(ContactFile& file)
{
    file.forEachRecord([this](int, const char* bytes) {
        const RecordView record(bytes);
        add(record.text(RecordField::FirstName).trimmed(), record.text(RecordField::LastName).trimmed(),
            record.text(RecordField::Email).trimmed());
    });
}

void DuplicateIndex::add(const QString& first, const QString& last, const QString& email)
{
    m_emails.insert(email);
    Names names{first, last};
    if (m_nameIndex.contains(names))
        return;
    const int index = int(m_names.size());
    m_nameIndex.insert(names, index);
    m_signatures.push_back(signature(first, last));
    m_names.push_back(std::move(names));
    const auto post = [&](quint64 key) {
        QVector<int>& holders = m_byRun[key];
        // A run that repeats within the name is posted once.
        if (holders.isEmpty() || holders.back() != index)
            holders.push_back(index);
    };
    forEachRun(0, first, post);
    forEachRun(1, last, post);
}

bool DuplicateIndex::matches(const Contact& working) const
{
    // As the file will hold them: a character it cannot store is a '?' in the records too.
    if (m_emails.contains(storedText(working.Email.trimmed()).stored))
        return true;
    const QString first = storedText(working.FirstName.trimmed()).stored;
    const QString last = storedText(working.LastName.trimmed()).stored;
    // Two empty names are contained in every record's: a line with an e-mail alone would match all.
    if (first.isEmpty() && last.isEmpty())
        return false;
    if (m_nameIndex.contains({first, last}))
        return true;
    const quint64 bits = signature(first, last);
    const auto contains = [&](int index) {
        return (m_signatures[index] & bits) == bits && holds(m_names[index].first, first)
            && holds(m_names[index].second, last);
    };
    // Names that contain the line's hold each of its runs: the rarest run names the fewest.
    static const QVector<int> none;
    const QVector<int>* rarest = nullptr;
    const auto pick = [&](quint64 key) {
        const auto at = m_byRun.constFind(key);
        const QVector<int>* holders = at == m_byRun.constEnd() ? &none : &*at;
        if (!rarest || holders->size() < rarest->size())
            rarest = holders;
    };
    forEachRun(0, first, pick);
    forEachRun(1, last, pick);
    if (rarest)
        return std::any_of(rarest->begin(), rarest->end(), contains);
    // Names of one character each: every pair of names is a candidate.
    for (int index = 0; index < m_names.size(); ++index)
        if (contains(index))
            return true;
    return false;
}

Contact importedRecord(const Contact& working, bool remindersOn)
{
    Contact record;
    for (int i = 0; i < Contact::FieldCount; ++i) {
        const QString& value = working.field(i);
        qsizetype start = 0;
        while (start < value.size() && value[start] == u' ')
            ++start;
        record.field(i) = composedText(value.mid(start));
    }
    record.BirthdayReminder = remindersOn ? QStringLiteral("1") : QStringLiteral("0");
    return record;
}

QString changedTextSentence(int contacts)
{
    if (contacts == 0)
        return QString();
    return QStringLiteral("  In %1 of them, characters that the contact file cannot store were saved as \"?\".")
        .arg(contacts);
}

QString writtenBeforeErrorSentence(int written)
{
    return QStringLiteral("\r\n\r\nContacts imported before the error: %1.  They stay in the contact file.")
        .arg(written);
}

namespace {

QString changedContactLine(int recordNumber, const Contact& record, const QVector<UnstorableField>& fields)
{
    QStringList parts;
    for (const UnstorableField& field : fields)
        parts << contactFieldLabel(field.field) + u' ' + describeCharacters(field.text.unstorable)
                + QStringLiteral(" -- saved as \"") + field.text.stored.trimmed() + u'"';
    const QString name = (record.FirstName.trimmed() + u' ' + record.LastName.trimmed()).trimmed();
    return QStringLiteral("Record %1, %2: %3").arg(QString::number(recordNumber), name, parts.join(QStringLiteral("; ")));
}

// The CSV half of the import: the layout from the first line, then each line read into a
// working contact for `add`. False when the file is of no layout it can read (said, and the
// result's outcome set); `begin` runs before the first line is read.
template <typename Begin, typename Add>
bool importCsvLines(Platform& platform, QFile& csv, ImportResult& result, Begin begin, Add add)
{
    // Read a piece at a time: a long file never lies in memory whole.
    CsvStream records(csv);
    const std::optional<CsvRecord> header = records.next();
    const CsvLayout layout = header ? detectCsvLayout(*header) : CsvLayout::None;
    const std::unique_ptr<CsvLineReader> reader = CsvLineReader::forLayout(layout);
    if (!reader) {
        // Not one of the layouts (a binary file, a list of something else): say so rather
        // than end without a word. The Import button stays enabled for another file.
        platform.messageBox(QStringLiteral("CSV file not compatible with import function."),
                            QStringLiteral("No contacts imported"), MessageButtons::Ok, MessageIcon::Information);
        result.outcome = ImportResult::NoLayout;
        return false;
    }
    if (!reader->readHeader(*header)) {
        platform.messageBox(QStringLiteral("CSV file not compatible with import function."),
                            QStringLiteral("No contacts imported"), MessageButtons::Ok, MessageIcon::Information);
        result.outcome = ImportResult::NotCompatible;
        result.importEnabled = false;
        result.focusClose = true;
        return false;
    }
    begin();
    while (const std::optional<CsvRecord> line = records.next())
        if (const std::optional<Contact> working = reader->readLine(*line))
            add(*working);
    return true;
}

// The same for a vCard file, each card a line. The file is read whole: cards have no line
// of their own to cut it at, and no address book's export comes near the size limit.
template <typename Begin, typename Add>
bool importVCards(Platform& platform, QFile& input, ImportResult& result, Begin begin, Add add)
{
    errno = 0;
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        throw FileErrors::fromErrno(errno ? errno : EIO);
    VCardReader cards(bytes);
    std::optional<VCard> card = cards.next();
    if (!card) {
        platform.messageBox(QStringLiteral("vCard file not compatible with import function."),
                            QStringLiteral("No contacts imported"), MessageButtons::Ok, MessageIcon::Information);
        result.outcome = ImportResult::NoLayout;
        return false;
    }
    begin();
    for (; card; card = cards.next())
        add(contactFromVCard(*card));
    return true;
}

} // namespace

ImportResult importContacts(Platform& platform, ContactFile& file, const ImportRequest& request)
{
    ImportResult result;
    bool writing = false;
    try {
        const int onFile = file.recordCount();
        if (request.csvPath.isEmpty()) {
            platform.beep();
            platform.messageBox(QStringLiteral("Click 'Open csv file' to select a file to import."),
                                QStringLiteral("No csv file selected"), MessageButtons::Ok, MessageIcon::Information);
            result.outcome = ImportResult::NoFileChosen;
            return result;
        }

        std::optional<DuplicateIndex> duplicates;
        const auto add = [&](const Contact& working) {
            if (isBlank(working) || duplicates->matches(working))
                return;
            const Contact record = importedRecord(working, request.remindersOn);
            const int recordNumber = onFile + result.written + 1;
            file.write(recordNumber, record);
            ++result.written;
            if (const QVector<UnstorableField> unstorable = unstorableFields(record); !unstorable.isEmpty())
                result.changedContacts << changedContactLine(recordNumber, record, unstorable);
        };

        QFile input;
        openCsvFile(input, request.csvPath);
        const bool vCard = request.format == ImportFormat::VCard
            || (request.format == ImportFormat::ByContent && VCardReader::looksLikeVCard(input.peek(4096)));
        const auto begin = [&] {
            duplicates.emplace(file);
            writing = true;
        };
        if (!(vCard ? importVCards(platform, input, result, begin, add)
                    : importCsvLines(platform, input, result, begin, add)))
            return result;

        platform.messageBox(QStringLiteral("D O N E !  ") + QString::number(result.written)
                                + QStringLiteral(" contacts successfully imported.")
                                + changedTextSentence(int(result.changedContacts.size())),
                            QStringLiteral("Import completed"), MessageButtons::Ok, MessageIcon::None);
        result.outcome = ImportResult::Done;
        result.importEnabled = false;
        result.focusClose = true;
        return result;
    } catch (...) {
        // Once writing began, what is already on file is said too: it stays there.
        const MessageAnswer answer = showErrorMessage(platform, asAppError(std::current_exception()), importErrorSuffix,
                                                      writing ? writtenBeforeErrorSentence(result.written) : QString());
        result.outcome = answer == MessageAnswer::Retry ? ImportResult::ErrorRetry : ImportResult::ErrorCancel;
        return result;
    }
}
