#pragma once

class QRadioButton;
class QWidget;

// How one window hands over to another: exactly one of the program's windows is in front.
//
//   showInstead(mainWindow, browser);                 // hide the opener, show the next (not modal)
//   returnTo(browser, mainWindow, main.txtLMLine1);   // hide the closing one, show, focus
void showInstead(QWidget* opener, QWidget* next);
void returnTo(QWidget* closing, QWidget* back, QWidget* focus);

// Setting an option button from code runs its click handler, as a user's click does.
void chooseOption(QRadioButton* option);
// Neither of an auto-exclusive pair chosen (Qt refuses this through setChecked alone).
void unchooseBoth(QRadioButton* first, QRadioButton* second);
