#pragma once

#include "exchange/ComposerParse.h"

#include <QString>
#include <array>

class Platform;

// The main window's Add Contact: the composer lines read as a contact for the add-contact window.
//
//   const AddContactStart start = startAddContact(platform, lines);
//   Open:    newContactWindow()->open(start.boxes);   // main hides, focus txtACFName
//   Refused: nothing (the refusal was shown)
//   Retry:   close the contact file, and show that it is closed (File > Close)
//   Quit:    close the main window, which ends the program
struct AddContactStart {
    enum Outcome { Open, Refused, Retry, Quit } outcome = Open;
    ComposerBoxes boxes;
};

// A failure of the parse shows the program's error message with Retry and Cancel.
AddContactStart startAddContact(Platform& platform, const std::array<QString, 5>& lines);
