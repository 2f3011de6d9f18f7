#pragma once

#include "contacts/Contact.h"
#include "print/ListLabels.h"

#include <vector>

// Contacts for the list printouts, as the file gives them back (fields padded).
inline Contact addressee(int n, const QString& company = QString(), const QString& include = QStringLiteral("0"))
{
    Contact c = Contact::blank();
    c.FirstName = QStringLiteral("First%1").arg(n);
    c.MiddleInitial = n % 2 ? QStringLiteral("Q") : QStringLiteral(" ");
    c.LastName = QStringLiteral("Last%1").arg(n);
    c.Street1 = QStringLiteral("%1 Elm St").arg(n);
    c.Street2 = n % 3 ? QString() : QStringLiteral("Apt %1").arg(n);
    c.City = QStringLiteral("Dayton");
    c.State = QStringLiteral("OH");
    c.Zip = QStringLiteral("45402");
    c.Company = company;
    c.IncludeCompany = include;
    return Contact::fromRecord(c.toRecord());
}

struct Book {
    std::vector<Contact> records; // record n is records[n - 1]
    std::vector<int> numbers() const
    {
        std::vector<int> n;
        for (std::size_t i = 1; i <= records.size(); ++i)
            n.push_back(static_cast<int>(i));
        return n;
    }
    RecordReader reader() const
    {
        return [this](int n) { return records.at(n - 1); };
    }
};

inline Book book(int count)
{
    Book b;
    for (int n = 1; n <= count; ++n)
        b.records.push_back(addressee(n));
    return b;
}
