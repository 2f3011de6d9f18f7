#pragma once

#include "print/ContactDetailsPrintout.h"

// A contact's details with a name and a one-line address; tests add what else they need.
inline ContactDetails addressedTo(const QString& first, const QString& last, const QString& street1,
                                  const QString& city, const QString& state, const QString& zip)
{
    ContactDetails d;
    d.firstName = first;
    d.lastName = last;
    d.street1 = street1;
    d.city = city;
    d.state = state;
    d.zip = zip;
    return d;
}
