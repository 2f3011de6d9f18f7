#pragma once

#include "contacts/ContactBoxes.h"
#include "print/PrinterProblem.h"

#include <QString>
#include <array>
#include <optional>

class LinePrinter;
class Platform;

// The contact browser's boxes as they stand (edits not yet saved included); every value is
// trimmed of spaces before use.
struct ContactDetails {
    QString firstName, middleInitial, lastName, street1, street2, city, state, zip, country, birthdate;
    QString homePhone, cellPhone, workPhone, email, category, notes, company;
    bool includeCompany = false;
};

// The browser's boxes as the printouts read them.
ContactDetails detailsFromBoxes(const ContactBoxes& boxes);

// The "Contact Details" page of one contact; date is today's date as the system writes it short.
void printContactDetailsPage(LinePrinter& printer, const ContactDetails& details, const QString& date);

// File > Print of the browser. focusedSelection is the selected text of the focused box, or
// nullopt when the focus is not in a text box (then Selection prints nothing).
// Copies are pages of one document.
PrintOutcome printContactDetails(Platform& platform, const ContactDetails& details,
                                 const std::optional<QString>& focusedSelection);

// Print Label: the five composer lines for the contact's address; the country is never copied.
std::array<QString, 5> composerLinesFor(const ContactDetails& details);
