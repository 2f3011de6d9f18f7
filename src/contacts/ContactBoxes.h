#pragma once

#include "contacts/Contact.h"

#include <QString>
#include <array>

// The seventeen text boxes of the add-contact window and the contact browser, in tab order.
enum class ContactBox {
    txtACFName,
    txtACMiddleInit,
    txtACLName,
    txtACFStreet,
    txtACSStreet,
    txtACCity,
    txtACState,
    txtACZip,
    txtACCountry,
    txtACCompany,
    txtACBirthdate,
    txtACHPhone,
    txtACCPhone,
    txtACWPhone,
    txtACEmail,
    txtACCategory,
    txtACNotes,
};

// What the two contact windows show: the boxes' texts and the include-company check box.
struct ContactBoxes {
    static constexpr int Count = 17;

    std::array<QString, Count> text;
    bool includeCompany = false; // chkIncComp / chkCompanyInclude

    QString& operator[](ContactBox box) { return text[static_cast<int>(box)]; }
    const QString& operator[](ContactBox box) const { return text[static_cast<int>(box)]; }

    bool operator==(const ContactBoxes&) const = default;
};

// The box's own name ("txtACFName"), for messages in tests and object names.
const char* contactBoxName(ContactBox box);
// The box's label on the window without its colon ("First Name"), for messages that name it.
QString contactBoxLabel(ContactBox box);
// The record field the box fills.
RecordField contactBoxField(ContactBox box);
// A record field as messages name it: its box's label, or the field's own name.
QString contactFieldLabel(RecordField field);

// A record as the contact windows show it: every field trimmed, the birth date as
// MM/DD/YYYY (or empty), the check box from the numeric value of IncludeCompany.
ContactBoxes boxesFromRecord(const Contact& record);
