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
