#include "contacts/ContactBoxes.h"

#include "contacts/Birthdate.h"
#include "platform/Numbers.h"

const char* contactBoxName(ContactBox box)
{
    static const char* const names[ContactBoxes::Count] = {
        "txtACFName",  "txtACMiddleInit", "txtACLName",  "txtACFStreet",   "txtACSStreet", "txtACCity",
        "txtACState",  "txtACZip",        "txtACCountry", "txtACCompany",  "txtACBirthdate", "txtACHPhone",
        "txtACCPhone", "txtACWPhone",     "txtACEmail",  "txtACCategory", "txtACNotes",
    };
    return names[static_cast<int>(box)];
}

QString contactBoxLabel(ContactBox box)
{
    static const char* const labels[ContactBoxes::Count] = {
        "First Name",   "Middle Initial", "Last Name",  "Street Address", "Additional Street Info/Apt",
        "City",         "State",          "Zip Code",   "Country",        "Company Name",
        "Birthdate (MM/DD/YYYY)", "Home Phone", "Cell Phone", "Work Phone", "Email Address",
        "Category",     "Notes",
    };
    return QString::fromLatin1(labels[static_cast<int>(box)]);
}

RecordField contactBoxField(ContactBox box)
{
    // The boxes follow the window's tab order.
    using F = RecordField;
    static const F fields[ContactBoxes::Count] = {
        F::FirstName, F::MiddleInitial, F::LastName,  F::Street1,   F::Street2,   F::City,
        F::State,     F::Zip,           F::Country,   F::Company,   F::Birthdate, F::HomePhone,
        F::CellPhone, F::WorkPhone,     F::Email,     F::Category,  F::Notes,
    };
    return fields[static_cast<int>(box)];
}

QString contactFieldLabel(RecordField field)
{
    for (int b = 0; b < ContactBoxes::Count; ++b) {
        if (contactBoxField(static_cast<ContactBox>(b)) == field)
            return contactBoxLabel(static_cast<ContactBox>(b));
    }
    return QString::fromLatin1(Contact::fieldInfo(static_cast<int>(field)).name);
}

ContactBoxes boxesFromRecord(const Contact& record)
{
    using B = ContactBox;
    ContactBoxes boxes;
    boxes[B::txtACFName] = record.FirstName.trimmed();
    boxes[B::txtACMiddleInit] = record.MiddleInitial.trimmed();
    boxes[B::txtACLName] = record.LastName.trimmed();
    boxes[B::txtACFStreet] = record.Street1.trimmed();
    boxes[B::txtACSStreet] = record.Street2.trimmed();
    boxes[B::txtACCity] = record.City.trimmed();
    boxes[B::txtACState] = record.State.trimmed();
    boxes[B::txtACZip] = record.Zip.trimmed();
    boxes[B::txtACCountry] = record.Country.trimmed();
    boxes[B::txtACCompany] = record.Company.trimmed();
    boxes[B::txtACBirthdate] = birthdateToShown(record.Birthdate);
    boxes[B::txtACHPhone] = record.HomePhone.trimmed();
    boxes[B::txtACCPhone] = record.CellPhone.trimmed();
    boxes[B::txtACWPhone] = record.WorkPhone.trimmed();
    boxes[B::txtACEmail] = record.Email.trimmed();
    boxes[B::txtACCategory] = record.Category.trimmed();
    boxes[B::txtACNotes] = record.Notes.trimmed();
    boxes.includeCompany = leadingNumber(record.IncludeCompany) != 0;
    return boxes;
}
