#pragma once

#include <QString>
#include <array>

class QWidget;
class frmLDeded;

// Print Label of the contact browser: the main window takes over with the contact's address in
// its five composer lines, ready for the ordinary Print; Bold is cleared and hidden.
//
//   sendToComposer(this, main, composerLinesFor(details));
void sendToComposer(QWidget* browser, frmLDeded& main, const std::array<QString, 5>& lines);
