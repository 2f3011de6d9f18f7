#include "contacts/ContactSave.h"

#include "contacts/Birthdate.h"
#include "contacts/ContactFile.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FieldText.h"
#include "contacts/StoredText.h"
#include "platform/AppError.h"
#include "platform/Platform.h"

namespace {

using B = ContactBox;

const QString kIncorrectEntry = QStringLiteral("Incorrect entry");

QString withoutLeadingSpaces(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

// The phone clean-up: "(555) 123-4567" becomes "555-123-4567".
QString cleanPhone(QString phone)
{
    phone.remove(u'(');
    phone.replace(u')', u'-');
    phone.remove(u' ');
    phone.remove(u'+');
    return phone;
}

class Checker {
public:
    Checker(const ContactBoxes& boxes, SaveVariant variant) : m_boxes(boxes), m_variant(variant) {}

    bool run();
    const ContactBoxes& boxes() const { return m_boxes; }
    const std::optional<SaveRefusal>& refusal() const { return m_refusal; }

private:
    QString& box(B b) { return m_boxes[b]; }
    bool add() const { return m_variant == SaveVariant::Add; }
    bool refuse(const QString& text, B focus)
    {
        m_refusal = SaveRefusal{text, kIncorrectEntry, focus};
        return false;
    }
    // Widths count the bytes the field will take.
    bool tooLong(B b, int width) { return storedLength(box(b)) > width; }

    ContactBoxes m_boxes;
    SaveVariant m_variant;
    std::optional<SaveRefusal> m_refusal;
};

bool Checker::run()
{
    for (QString& text : m_boxes.text)
        text = composedText(text);

    const QList<uint> date = box(B::txtACBirthdate).toUcs4();
    if (!date.isEmpty() && (date.size() != 10 || date[2] != u'/' || date[5] != u'/')) {
        m_refusal
            = SaveRefusal{QStringLiteral("Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980"),
                          QStringLiteral("Date error"), B::txtACBirthdate};
        return false;
    }

    if (tooLong(B::txtACFName, 11))
        return refuse(QStringLiteral("First name must be 11 characters or less."), B::txtACFName);
    box(B::txtACFName).remove(u',');

    box(B::txtACMiddleInit).remove(u',');
    box(B::txtACMiddleInit).remove(u'.');
    if (tooLong(B::txtACMiddleInit, 1))
        return refuse(QStringLiteral("Enter only 1 character for middle initial."), B::txtACMiddleInit);

    const QString lastNameMessage = QStringLiteral("Enter last name, 16 characters or less.");
    if (tooLong(B::txtACLName, 16))
        return refuse(lastNameMessage, B::txtACLName);
    if (add()) {
        box(B::txtACLName).remove(u',');
        if (box(B::txtACLName).isEmpty())
            return refuse(lastNameMessage, B::txtACLName);
    } else {
        if (box(B::txtACLName).isEmpty())
            return refuse(lastNameMessage, B::txtACLName);
        box(B::txtACLName).remove(u',');
    }

    if (tooLong(B::txtACFStreet, 30))
        return refuse(QStringLiteral("Street address must be 30 characters or less."), B::txtACFStreet);
    box(B::txtACFStreet).remove(u',');

    if (tooLong(B::txtACSStreet, 15))
        return refuse(QStringLiteral("Street address2 must be 15 characters or less."), B::txtACSStreet);
    box(B::txtACSStreet).remove(u',');

    if (tooLong(B::txtACCity, 16))
        return refuse(QStringLiteral("City must be 16 characters or less."), B::txtACCity);

    const QString& state = box(B::txtACState);
    if (add() ? (!state.isEmpty() && storedLength(state) != 2) : storedLength(state) > 2)
        return refuse(QStringLiteral("State must be 2 character abbreviation."), B::txtACState);
    box(B::txtACState).remove(u',');

    if (tooLong(B::txtACZip, 10))
        return refuse(QStringLiteral("Zip Code must be 10 characters or less."), B::txtACZip);
    box(B::txtACZip).remove(u',');

    if (tooLong(B::txtACCountry, 19))
        return refuse(add() ? QStringLiteral("Country must be 19 characters or less.  For example, USA.")
                            : QStringLiteral("Country must be 19 characters or less. For example, USA."),
                      B::txtACCountry);
    if (add())
        box(B::txtACCountry).replace(u',', u' ');
    else
        box(B::txtACCountry).remove(u',');

    if (tooLong(B::txtACCompany, 30))
        return refuse(QStringLiteral("Company Name must be 30 characters or less."), B::txtACCompany);
    box(B::txtACCompany).remove(u',');

    const struct {
        B box;
        int width;
        const char* message;
    } phones[] = {
        {B::txtACHPhone, 15, "Home Phone must be 15 characters or less."},
        {B::txtACCPhone, 15, "Cell Phone must be 15 characters or less."},
        {B::txtACWPhone, 13, "Work Phone must be 13 characters or less."},
    };
    for (const auto& phone : phones) {
        box(phone.box) = cleanPhone(box(phone.box));
        if (tooLong(phone.box, phone.width))
            return refuse(QString::fromLatin1(phone.message), phone.box);
        box(phone.box).remove(u',');
    }

    const QString& email = box(B::txtACEmail);
    if (tooLong(B::txtACEmail, 50))
        return refuse(QStringLiteral("Email address must be 50 characters or less."), B::txtACEmail);
    if (email.contains(u','))
        return refuse(QStringLiteral("Email address cannot contain a comma."), B::txtACEmail);
    if (email.contains(u' '))
        return refuse(QStringLiteral("Email address cannot contain a space."), B::txtACEmail);
    if (!email.isEmpty() && !email.contains(u'@'))
        return refuse(QStringLiteral("Email address must contain the '@' character."), B::txtACEmail);
    if (!email.isEmpty() && !email.contains(u'.'))
        return refuse(QStringLiteral("Email address must contain the '.' character."), B::txtACEmail);

    if (tooLong(B::txtACCategory, 80))
        return refuse(QStringLiteral("Category must be 80 characters or less."), B::txtACCategory);
    box(B::txtACCategory).replace(u',', u' ');

    if (tooLong(B::txtACNotes, 160))
        return refuse(QStringLiteral("Notes must be 160 characters or less."), B::txtACNotes);
    box(B::txtACNotes).replace(u',', u' ');

    box(B::txtACCity).remove(u',');
    return true;
}

Contact buildRecord(ContactBoxes& boxes, bool remindersOn)
{
    Contact c;
    const auto field = [&boxes](B b) { return withoutLeadingSpaces(boxes[b]); };
    c.FirstName = trimSpaces(boxes[B::txtACFName]);
    c.MiddleInitial = withoutLeadingSpaces(boxes[B::txtACMiddleInit].toUpper());
    c.LastName = field(B::txtACLName);
    c.Street1 = field(B::txtACFStreet);
    c.Street2 = field(B::txtACSStreet);
    c.City = field(B::txtACCity);
    c.State = withoutLeadingSpaces(boxes[B::txtACState].toUpper());
    c.Zip = field(B::txtACZip);
    c.Country = withoutLeadingSpaces(boxes[B::txtACCountry].toUpper());
    c.HomePhone = field(B::txtACHPhone);
    c.CellPhone = field(B::txtACCPhone);
    c.WorkPhone = field(B::txtACWPhone);
    c.Email = field(B::txtACEmail);
    c.Birthdate = birthdateToStored(boxes[B::txtACBirthdate]);
    c.Category = field(B::txtACCategory);
    c.Notes = field(B::txtACNotes);
    c.Company = field(B::txtACCompany);
    // A company of spaces is stored empty, so it must not ask to be printed either.
    if (c.Company.isEmpty())
        boxes.includeCompany = false;
    c.IncludeCompany = boxes.includeCompany ? QStringLiteral("1") : QStringLiteral("0");
    c.BirthdayReminder = remindersOn ? QStringLiteral("1") : QStringLiteral("0");
    return c;
}

enum class Write { Append, Overwrite };

ContactSaveResult save(Platform& platform, ContactFile& file, Write write, int recordNumber,
                       const ContactBoxes& boxes, bool remindersOn)
{
    const SaveVariant variant = write == Write::Append ? SaveVariant::Add : SaveVariant::Edit;
    ContactSaveResult result;
    result.boxes = boxes;
    try {
        const SaveCheck check = checkContactBoxes(boxes, variant, remindersOn);
        result.boxes = check.boxes;
        if (check.refusal) {
            platform.messageBox(check.refusal->text, check.refusal->title, MessageButtons::Ok, MessageIcon::None);
            result.outcome = ContactSaveResult::Refused;
            result.focus = check.refusal->focus;
            return result;
        }

        const std::vector<UnstorableBox> unstorable = unstorableBoxes(check);
        if (!unstorable.empty()
            && platform.messageBox(unstorableQuestion(unstorable), unstorableTitle, MessageButtons::YesNo,
                                   MessageIcon::Exclamation)
                != MessageAnswer::Yes) {
            result.outcome = ContactSaveResult::Refused;
            result.focus = unstorable.front().box;
            return result;
        }

        if (write == Write::Append) {
            recordNumber = file.recordCount() + 1;
        } else if (recordNumber < 1 || recordNumber > file.recordCount()) {
            throw AppError::badRecordNumber();
        }
        file.write(recordNumber, check.record);
        result.recordWritten = recordNumber;
        result.reminderWritten = remindersOn;

        platform.messageBox(QStringLiteral("S A V E D"),
                            write == Write::Append ? QStringLiteral("Contact saved to file")
                                                   : QStringLiteral("Changes saved"),
                            MessageButtons::Ok, MessageIcon::None);
        result.outcome = ContactSaveResult::Saved;
        return result;
    } catch (...) {
        const AppError error = asAppError(std::current_exception());
        result.outcome = showErrorMessage(platform, error) == MessageAnswer::Retry ? ContactSaveResult::Retry
                                                                                   : ContactSaveResult::Cancel;
        return result;
    }
}

} // namespace

SaveCheck checkContactBoxes(const ContactBoxes& boxes, SaveVariant variant, bool remindersOn)
{
    Checker checker(boxes, variant);
    SaveCheck check;
    const bool accepted = checker.run();
    check.boxes = checker.boxes();
    check.refusal = checker.refusal();
    if (accepted)
        check.record = buildRecord(check.boxes, remindersOn);
    return check;
}

std::vector<UnstorableBox> unstorableBoxes(const SaveCheck& check)
{
    std::vector<UnstorableBox> boxes;
    if (check.refusal)
        return boxes;
    const QVector<UnstorableField> fields = unstorableFields(check.record);
    for (int b = 0; b < ContactBoxes::Count; ++b) {
        const B box = static_cast<B>(b);
        for (const UnstorableField& field : fields) {
            if (field.field != contactBoxField(box))
                continue;
            // The record holds the date rearranged; the box shows it as typed.
            const QString stored =
                box == B::txtACBirthdate ? storedText(check.boxes[box]).stored : trimSpaces(field.text.stored);
            boxes.push_back({box, field.text.unstorable, stored});
        }
    }
    return boxes;
}

QString unstorableQuestion(const std::vector<UnstorableBox>& boxes)
{
    QString text = QStringLiteral("These characters cannot be stored in the contact file, which holds only "
                                  "Windows-1252 text:\r\n");
    for (const UnstorableBox& box : boxes)
        text += QStringLiteral("\r\n") + contactBoxLabel(box.box) + QStringLiteral(": ")
            + describeCharacters(box.characters) + QStringLiteral(" -- saved as \"") + box.stored + u'"';
    return text + QStringLiteral("\r\n\r\nSave with \"?\" in their place?  Click No to go back and change them.");
}

ContactSaveResult saveNewContact(Platform& platform, ContactFile& file, const ContactBoxes& boxes, bool remindersOn)
{
    return save(platform, file, Write::Append, 0, boxes, remindersOn);
}

ContactSaveResult saveChangedContact(Platform& platform, ContactFile& file, int recordNumber,
                                     const ContactBoxes& boxes, bool remindersOn)
{
    return save(platform, file, Write::Overwrite, recordNumber, boxes, remindersOn);
}
