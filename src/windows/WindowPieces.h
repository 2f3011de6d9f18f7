#pragma once

#include <QString>

class QLabel;
class QWidget;

// The small pieces every window shares.

// What a .ui file cannot say, written there as dynamic properties and applied once after
// setupUi, so that sizes follow the user's font as the fonts themselves do:
//   fontScale (double)                        the inherited font, this many times as large
//   fontPointSize (double)                    a point size with a fraction
//   minimumWidthChars, maximumWidthChars (int) n average characters, a text box's frame added
//   maximumWidthSample, fixedWidthSample (text) as wide as this text, a button's frame added
//   minimumHeightLines (int)                  n lines of the font
//   keepRoomWhenHidden (bool)                 hidden, it keeps its room, so nothing jumps
//   announced (bool, a label)                 a status a screen reader says when announce() is called
void applyFormHints(QWidget* form);

// Says a status label's text to a screen reader, as a notification that shows; call it once the
// label holds its new text and shows.
void announce(QLabel* status);

// Escape closes the window, as its close box does.
void closeOnEscape(QWidget* window);

// A window's caption with the open file's title: "Import Contacts  [Friends]".
QString captionWithFile(const QString& caption, const QString& fileTitle);

// The wait cursor while a long command runs.
struct BusyCursor {
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
