#pragma once

#include "platform/Platform.h"

#include <QMessageBox>
#include <QString>

class QPrintDialog;

// How the platform's requests map onto Qt's dialogs; kept apart from the dialogs so that each
// mapping can be checked without a user to answer them.
QMessageBox::Icon toQtIcon(MessageIcon icon);
QMessageBox::StandardButtons toQtButtons(MessageButtons buttons);
// The first button is the default, as the program's messages expect.
QMessageBox::StandardButton defaultQtButton(MessageButtons buttons);
MessageAnswer answerOf(int qtButton);

// "Data Files (*.DAT)|*.DAT" pairs a description with its pattern; Qt wants only
// "Data Files (*.DAT)", one filter per ";;".
QString qtFilter(const QString& filter);

// Offers in the dialog only what the printout honours: Selection and a page range when asked,
// otherwise neither (Qt's own dialog keeps its page range choices enabled whatever the option
// says, so they are switched off each time it shows).
void configurePrintDialog(QPrintDialog& dialog, const PrintDialogRequest& request);
