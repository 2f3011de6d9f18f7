#include "print/ContactDetailsPrintout.h"

#include "contacts/FieldText.h"
#include "platform/Platform.h"
#include "print/LinePrinter.h"
#include "print/PrintRun.h"

#include <QLocale>

namespace {

const PrintFont kDetailsFont{QStringLiteral("Courier New"), 12, false, false};
const QString kRule(70, u'_');

ContactDetails trimmed(const ContactDetails& d)
{
    ContactDetails t = d;
    for (QString* value : {&t.firstName, &t.middleInitial, &t.lastName, &t.street1, &t.street2, &t.city, &t.state,
                           &t.zip, &t.country, &t.birthdate, &t.homePhone, &t.cellPhone, &t.workPhone, &t.email,
                           &t.category, &t.notes, &t.company})
        *value = trimSpaces(*value);
    return t;
}

void blanks(LinePrinter& printer, int count)
{
    for (int i = 0; i < count; ++i)
        printer.emptyLine();
}

QString cityLine(const ContactDetails& d)
{
    return d.city + QStringLiteral(", ") + d.state + QStringLiteral("  ") + d.zip;
}

} // namespace

void printContactDetailsPage(LinePrinter& printer, const ContactDetails& details, const QString& date)
{
    const ContactDetails d = trimmed(details);
    printer.setFontSize(12);
    blanks(printer, 3);
    printer.setFontSize(16);
    printer.printLine({{22, 0, QStringLiteral("Tessaprint")}});
    blanks(printer, 1);
    printer.setFontSize(14);
    printer.setItalic(false);
    printer.printLine({{27, 0, QStringLiteral("Contact Details")}});
    blanks(printer, 3);
    printer.setFontSize(10);
    printer.printLine({{35, 0, QStringLiteral("Date of report:")}, {51, 0, date}});
    printer.setFontSize(12);
    blanks(printer, 1);
    printer.printLine({{8, 0, kRule}});
    blanks(printer, 2);
    printer.printLine({{8, 0, d.firstName + u' ' + d.middleInitial + u' ' + d.lastName}});
    blanks(printer, 1);
    printer.printLine({{8, 0, d.street1 + QStringLiteral("  ") + d.street2}});
    blanks(printer, 1);
    printer.printLine({{8, 0, cityLine(d)}});
    blanks(printer, 2);
    printer.printLine({{8, 0, QStringLiteral("Company Name:")}, {24, 0, d.company}});
    blanks(printer, 2);
    printer.printLine({{8, 0, QStringLiteral("Country:")}, {18, 0, d.country},
                       {40, 0, QStringLiteral("Birthdate:")}, {52, 0, d.birthdate}});
    blanks(printer, 2);
    printer.printLine({{8, 0, QStringLiteral("Home Phone:")}, {21, 0, d.homePhone}, {37, 0, QStringLiteral("Cell:")},
                       {44, 0, d.cellPhone}, {60, 0, QStringLiteral("Work:")}, {67, 0, d.workPhone}});
    blanks(printer, 2);
    printer.printLine({{8, 0, QStringLiteral("Email Address:")}, {24, 0, d.email}});
    blanks(printer, 2);
    printer.printLine({{8, 0, QStringLiteral("Category:")}, {19, 0, d.category.mid(0, 61)}});
    printer.printLine({{19, 0, d.category.mid(61, 19)}});
    blanks(printer, 2);
    printer.printLine({{8, 0, QStringLiteral("Notes:")}, {16, 0, d.notes.mid(0, 61)}});
    printer.printLine({{15, 0, d.notes.mid(61, 53)}});
    printer.printLine({{15, 0, d.notes.mid(114, 46)}});
    blanks(printer, 2);
    printer.printLine({{8, 0, kRule}});
    printer.newPage();
}

PrintOutcome printContactDetails(Platform& platform, const ContactDetails& details,
                                 const std::optional<QString>& focusedSelection)
{
    PrintRun run;
    run.dialog.offerSelection = true;
    run.font = kDetailsFont;
    run.orientation = Orientation::Portrait;
    run.selection = [&](LinePrinter& printer) {
        if (!focusedSelection)
            return false;
        // Upright like the page, where the report's selection keeps the printer's orientation.
        printer.device().setOrientation(Orientation::Portrait);
        printer.emptyLine();
        printer.printLine({{1, 0, *focusedSelection}});
        printer.newPage();
        return true;
    };
    run.copiesAsPages = true;
    run.problemTitle = QStringLiteral("Printer error.");
    // The date when the dialog was confirmed, on every copy.
    std::optional<QString> date;
    return printEachCopy(platform, run, [&](LinePrinter& printer) {
        if (!date)
            date = QLocale::system().toString(platform.today(), QLocale::ShortFormat);
        printContactDetailsPage(printer, details, *date);
    });
}

std::array<QString, 5> composerLinesFor(const ContactDetails& details)
{
    const ContactDetails d = trimmed(details);
    std::array<QString, 5> lines;
    lines[0] = d.firstName + u' ' + d.middleInitial + u' ' + d.lastName;
    lines[0].replace(QStringLiteral("  "), QStringLiteral(" "));
    const QString city = cityLine(d);
    const bool noSecondStreet = d.street2.isEmpty();
    const bool hasCity = !d.city.isEmpty();
    if (!d.company.isEmpty() && d.includeCompany) {
        lines[1] = d.company;
        lines[2] = d.street1;
        if (noSecondStreet && hasCity) {
            lines[3] = city;
        } else {
            lines[3] = d.street2;
            lines[4] = hasCity ? city : QString();
        }
    } else {
        lines[1] = d.street1;
        if (noSecondStreet && hasCity) {
            lines[2] = city;
        } else {
            lines[2] = d.street2;
            lines[3] = hasCity ? city : QString();
        }
    }
    return lines;
}

ContactDetails detailsFromBoxes(const ContactBoxes& boxes)
{
    ContactDetails d;
    d.firstName = boxes[ContactBox::txtACFName];
    d.middleInitial = boxes[ContactBox::txtACMiddleInit];
    d.lastName = boxes[ContactBox::txtACLName];
    d.street1 = boxes[ContactBox::txtACFStreet];
    d.street2 = boxes[ContactBox::txtACSStreet];
    d.city = boxes[ContactBox::txtACCity];
    d.state = boxes[ContactBox::txtACState];
    d.zip = boxes[ContactBox::txtACZip];
    d.country = boxes[ContactBox::txtACCountry];
    d.birthdate = boxes[ContactBox::txtACBirthdate];
    d.homePhone = boxes[ContactBox::txtACHPhone];
    d.cellPhone = boxes[ContactBox::txtACCPhone];
    d.workPhone = boxes[ContactBox::txtACWPhone];
    d.email = boxes[ContactBox::txtACEmail];
    d.category = boxes[ContactBox::txtACCategory];
    d.notes = boxes[ContactBox::txtACNotes];
    d.company = boxes[ContactBox::txtACCompany];
    d.includeCompany = boxes.includeCompany;
    return d;
}
