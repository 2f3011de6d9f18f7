#include "exchange/CsvImport.h"

#include "contacts/ContactBoxes.h"
#include "contacts/ContactFile.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileErrors.h"
#include "contacts/StoredText.h"
#include "exchange/CsvLayouts.h"
#include "exchange/CsvText.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>

namespace {

QByteArray readCsvFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw FileErrors::fileNotFound();
    if (info.isDir())
        throw FileErrors::pathFileAccess();
    // The file is read whole; one far larger than any address book is refused before it is.
    if (info.size() > MaxCsvBytes)
        throw FileErrors::tooLarge();
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw FileErrors::fromErrno(errno ? errno : EIO);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileErrors::fromErrno(errno ? errno : EIO);
    return bytes;
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
        request.filter = QStringLiteral("CSV Files (*.CSV)|*.CSV|Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*");
        const std::optional<FileDialogAnswer> answer = platform.openFileDialog(request);
        if (!answer || answer->path.isEmpty())
            return choice;
        readCsvFile(answer->path);
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

quint32 pairKey(QChar a, QChar b)
{
    return (quint32(a.unicode()) << 16) | b.unicode();
}

} // namespace

DuplicateIndex::DuplicateIndex(const QVector<Contact>& onFile)
{
    for (const Contact& c : onFile)
        add(c.FirstName.trimmed(), c.LastName.trimmed(), c.Email.trimmed());
    finish();
}

DuplicateIndex::DuplicateIndex(ContactFile& file)
{
    constexpr int FirstNameField = 0, LastNameField = 2, EmailField = 12;
    file.forEachRecord([this](int, const char* record) {
        add(Contact::fieldFromRecord(record, FirstNameField).trimmed(),
            Contact::fieldFromRecord(record, LastNameField).trimmed(),
            Contact::fieldFromRecord(record, EmailField).trimmed());
    });
    finish();
}

void DuplicateIndex::add(const QString& first, const QString& last, const QString& email)
{
    m_emails.push_back(email);
    auto at = m_lastIndex.constFind(last);
    int index;
    if (at == m_lastIndex.constEnd()) {
        index = int(m_lastNames.size());
        m_lastIndex.insert(last, index);
        m_lastNames.push_back(last);
        m_firstSets.push_back({});
        QSet<quint32> pairs;
        for (qsizetype i = 0; i + 1 < last.size(); ++i)
            pairs.insert(pairKey(last[i], last[i + 1]));
        for (quint32 pair : pairs)
            m_byPair[pair].push_back(index);
    } else {
        index = *at;
    }
    m_firstSets[index].insert(first);
}

void DuplicateIndex::finish()
{
    std::sort(m_emails.begin(), m_emails.end());
    m_emails.erase(std::unique(m_emails.begin(), m_emails.end()), m_emails.end());
    m_firstNames.reserve(m_firstSets.size());
    for (const QSet<QString>& firsts : m_firstSets)
        m_firstNames.push_back(QVector<QString>(firsts.begin(), firsts.end()));
    m_firstSets.clear();
    m_lastIndex.clear();
}

bool DuplicateIndex::matches(const Contact& working) const
{
    // As the file will hold them: a character it cannot store is a '?' in the records too.
    if (std::binary_search(m_emails.begin(), m_emails.end(), storedText(working.Email.trimmed()).stored))
        return true;
    const QString first = storedText(working.FirstName.trimmed()).stored;
    const QString last = storedText(working.LastName.trimmed()).stored;
    // Two empty names are contained in every record's: a line with an e-mail alone would match all.
    if (first.isEmpty() && last.isEmpty())
        return false;
    const auto namesMatch = [&](int index) {
        if (!m_lastNames[index].contains(last))
            return false;
        const QVector<QString>& firsts = m_firstNames[index];
        return std::any_of(firsts.begin(), firsts.end(), [&](const QString& f) { return f.contains(first); });
    };
    // A last name that contains `last` holds its first two characters side by side.
    if (last.size() >= 2) {
        const QVector<int> candidates = m_byPair.value(pairKey(last[0], last[1]));
        return std::any_of(candidates.begin(), candidates.end(), namesMatch);
    }
    for (int index = 0; index < m_lastNames.size(); ++index)
        if (namesMatch(index))
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

        const QVector<CsvRecord> records = splitCsvRecords(decodeCsvText(readCsvFile(request.csvPath)));
        const CsvLayout layout = records.isEmpty() ? CsvLayout::None : detectCsvLayout(records.front());
        const std::unique_ptr<CsvLineReader> reader = CsvLineReader::forLayout(layout);
        if (!reader) {
            // Not one of the layouts (a binary file, a list of something else): say so rather
            // than end without a word. The Import button stays enabled for another file.
            platform.messageBox(QStringLiteral("CSV file not compatible with import function."),
                                QStringLiteral("No contacts imported"), MessageButtons::Ok, MessageIcon::Information);
            result.outcome = ImportResult::NoLayout;
            return result;
        }
        if (!reader->readHeader(records.front())) {
            platform.messageBox(QStringLiteral("CSV file not compatible with import function."),
                                QStringLiteral("No contacts imported"), MessageButtons::Ok, MessageIcon::Information);
            result.outcome = ImportResult::NotCompatible;
            result.importEnabled = false;
            result.focusClose = true;
            return result;
        }

        const DuplicateIndex duplicates(file);
        writing = true;
        for (qsizetype i = 1; i < records.size(); ++i) {
            const std::optional<Contact> working = reader->readLine(records[i]);
            if (!working || isBlank(*working) || duplicates.matches(*working))
                continue;
            const Contact record = importedRecord(*working, request.remindersOn);
            const int recordNumber = onFile + result.written + 1;
            file.write(recordNumber, record);
            ++result.written;
            if (const QVector<UnstorableField> unstorable = unstorableFields(record); !unstorable.isEmpty())
                result.changedContacts << changedContactLine(recordNumber, record, unstorable);
        }

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
