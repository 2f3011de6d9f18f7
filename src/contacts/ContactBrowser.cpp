#include "contacts/ContactBrowser.h"

#include "contacts/Compaction.h"
#include "contacts/ContactSession.h"
#include "contacts/ErrorMessage.h"
#include "contacts/SortOrder.h"
#include "contacts/Windows1252.h"
#include "platform/AppError.h"
#include "platform/Platform.h"

#include <QFileInfo>

#include <algorithm>

QString findEntryText(const char* record)
{
    // The three name fields lie side by side at the start of the record.
    using F = RecordField;
    constexpr int NameBytes = Contact::fieldOffset(F::Street1);
    QChar decoded[NameBytes];
    decodeWindows1252(QByteArrayView(record, NameBytes), decoded);
    const auto name = [&decoded](F f) {
        return QStringView(decoded + Contact::fieldOffset(f), Contact::fieldWidth(f)).trimmed();
    };
    const QStringView first = name(F::FirstName);
    const QStringView middle = name(F::MiddleInitial);
    const QStringView last = name(F::LastName);
    QString text(first.size() + middle.size() + last.size() + 2, Qt::Uninitialized);
    QChar* out = std::copy(first.begin(), first.end(), text.data());
    *out++ = u' ';
    out = std::copy(middle.begin(), middle.end(), out);
    *out++ = u' ';
    std::copy(last.begin(), last.end(), out);
    return text;
}

QVector<FindEntry> loadFindList(ContactFile& file)
{
    QVector<FindEntry> entries;
    entries.reserve(file.recordCount());
    SortKeys keys = SortKeys::caseInsensitive();
    keys.reserve(file.recordCount());
    file.forEachRecord([&](int n, const char* bytes) {
        entries.push_back({findEntryText(bytes), n});
        keys.add(entries.back().text);
    });
    applyOrder(entries, keys.order([&entries](qsizetype i) -> const QString& { return entries[i].text; }));
    return entries;
}

template <typename F>
BrowserResult ContactBrowser::guarded(F&& command)
{
    try {
        return command();
    } catch (...) {
        const AppError error = asAppError(std::current_exception());
        BrowserResult result;
        result.outcome = showErrorMessage(m_platform, error) == MessageAnswer::Retry ? BrowserResult::Retry
                                                                                     : BrowserResult::Cancel;
        return result;
    }
}

BrowserResult ContactBrowser::load()
{
    return guarded([this] {
        BrowserResult result;
        result.findList = loadFindList(m_session.file);
        return result;
    });
}

BrowserResult ContactBrowser::pick(int recordNumber)
{
    return guarded([this, recordNumber] {
        const Contact record = m_session.file.read(recordNumber);
        m_session.CurrentRecord = recordNumber;
        m_shown = record.toRecord();
        BrowserResult result;
        result.boxes = boxesFromRecord(record);
        result.enableEditing = true;
        return result;
    });
}

BrowserResult ContactBrowser::openOnRecord(int recordNumber, const Contact& record)
{
    return guarded([this, recordNumber, &record] {
        m_session.CurrentRecord = recordNumber;
        m_shown = record.toRecord();
        BrowserResult result;
        result.boxes = boxesFromRecord(record);
        result.enableEditing = true;
        result.findList = loadFindList(m_session.file);
        return result;
    });
}

BrowserResult ContactBrowser::step(BrowserStep step)
{
    return guarded([this, step] {
        BrowserResult result;
        const int current = m_session.CurrentRecord;
        int target = 0;
        switch (step) {
        case BrowserStep::First:
            target = 1;
            break;
        case BrowserStep::Last:
            target = m_session.file.recordCount();
            break;
        case BrowserStep::Next:
            // Whole records only: a trailing fragment is never stepped onto.
            if (m_session.file.length() < qint64(current + 1) * Contact::RecordLength) {
                m_platform.messageBox(QStringLiteral("End of file."), QStringLiteral("No more contacts"),
                                      MessageButtons::Ok, MessageIcon::None);
                result.outcome = BrowserResult::Refused;
                return result;
            }
            target = current + 1;
            break;
        case BrowserStep::Previous:
            if (current - 1 < 1) {
                m_platform.messageBox(QStringLiteral("Beginning of file."), QStringLiteral("Start of file reached"),
                                      MessageButtons::Ok, MessageIcon::None);
                result.outcome = BrowserResult::Refused;
                return result;
            }
            target = current - 1;
            break;
        }
        const Contact record = m_session.file.read(target);
        result.boxes = boxesFromRecord(record);
        result.findList = loadFindList(m_session.file);
        m_session.CurrentRecord = target;
        m_shown = record.toRecord();
        return result;
    });
}

void ContactBrowser::requireShownRecord()
{
    const int current = m_session.CurrentRecord;
    if (current >= 1 && !m_shown.isEmpty() && m_session.file.read(current).toRecord() != m_shown)
        throw AppError::refusal(
            63, QStringLiteral("Bad record number"),
            QStringLiteral("This contact has been changed or removed in the contact file by another program since "
                           "it was shown here, so nothing was changed.\r\n\r\nChoose the contact again to see it "
                           "as it is now."),
            QStringLiteral("Contact changed"));
}

BrowserResult ContactBrowser::save(const ContactBoxes& boxes, bool remindersOn)
{
    const BrowserResult checked = guarded([this] {
        requireShownRecord();
        return BrowserResult();
    });
    if (checked.outcome != BrowserResult::Done)
        return checked;
    const ContactSaveResult saved =
        saveChangedContact(m_platform, m_session.file, m_session.CurrentRecord, boxes, remindersOn);
    BrowserResult result;
    result.boxes = saved.boxes;
    result.focus = saved.focus;
    result.reminderWritten = saved.reminderWritten;
    switch (saved.outcome) {
    case ContactSaveResult::Saved:
        result.outcome = BrowserResult::Done;
        try {
            m_shown = m_session.file.read(m_session.CurrentRecord).toRecord();
        } catch (...) {
            m_shown.clear(); // not known: the next save or delete goes by the file alone
        }
        break;
    case ContactSaveResult::Refused:
        result.outcome = BrowserResult::Refused;
        break;
    case ContactSaveResult::Retry:
        result.outcome = BrowserResult::Retry;
        break;
    case ContactSaveResult::Cancel:
        result.outcome = BrowserResult::Cancel;
        break;
    }
    return result;
}

BrowserResult ContactBrowser::remove()
{
    return guarded([this] {
        BrowserResult result;
        const int current = m_session.CurrentRecord;
        if (current < 1 || current > m_session.file.recordCount())
            throw AppError::badRecordNumber();
        requireShownRecord();

        const MessageAnswer answer = m_platform.messageBox(
            QStringLiteral("WARNING!  This will delete entire contact from your file.\r\n"
                           "Do you REALLY want to delete this contact?"),
            QStringLiteral("Confirm deletion."), MessageButtons::YesNo, MessageIcon::None);
        result.focusCancel = true;
        if (answer != MessageAnswer::Yes) {
            m_platform.messageBox(QStringLiteral("Nothing deleted..."), QStringLiteral("Deletion not performed."),
                                  MessageButtons::Ok, MessageIcon::None);
            result.outcome = BrowserResult::Refused;
            return result;
        }

        // The record is left out of the rewrite rather than marked first, so a failure
        // anywhere leaves the file as it was; success is reported once the file holds it.
        compactContactFile(m_session.file, current);
        m_platform.messageBox(QStringLiteral("Contact deleted!"), QStringLiteral("Contact deleted."),
                              MessageButtons::Ok, MessageIcon::None);
        m_session.CurrentRecord = 0;
        result.outcome = BrowserResult::Deleted;
        return result;
    });
}

void ContactBrowser::close()
{
    m_session.CurrentRecord = 0;
    m_shown.clear();
}
