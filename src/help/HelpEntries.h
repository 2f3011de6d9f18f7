#pragma once

class Platform;
class QAbstractButton;
class QAction;
class QObject;
class QWidget;

// A window's help entries; any may be missing. The state table is a menu item or a button.
struct HelpEntries {
    QAction* manual = nullptr;
    QAction* about = nullptr;
    QObject* stateTable = nullptr;
    QAbstractButton* peopleFinder = nullptr;
    QAbstractButton* zipFinder = nullptr;
    // Gets the focus once the state table is open (the contact windows' state box).
    QWidget* focusAfterStateTable = nullptr;
};

// Hooks the entries of the window `caller`, so that a window needs one line:
//   connectHelp(m_platform, this, {.manual = mnuVAManual, .about = mnuVAAbout});
void connectHelp(Platform& platform, QWidget* caller, const HelpEntries& entries);
// The menu-only windows.
void connectHelp(QAction* manual, QAction* about, QWidget* caller, Platform& platform);
