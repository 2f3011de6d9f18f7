#pragma once

#include <QString>
#include <array>

class QWidget;
class frmEdDelViewContact;
struct ContactSession;

// All that a window may ask of the main window; the main window implements it. The contact
// file session (path, title, reminder state, read-only) is read from session(), never from the
// main window's controls.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    virtual ContactSession& session() = 0;
    // Hides the main window and shows `next` in its place.
    virtual void handOverTo(QWidget* next) = 0;
    // Hides `closing`, shows the main window again with the focus in line 1.
    virtual void returnHere(QWidget* closing) = 0;
    // File > Close, as the menu item does it.
    virtual void closeContactFile() = 0;
    // Back to the main window with these lines in the composer, Bold cleared and hidden.
    virtual void takeComposerLines(QWidget* closing, const std::array<QString, 5>& lines) = 0;
    // The contact browser, created on first use.
    virtual frmEdDelViewContact* contactBrowser() = 0;

protected:
    MainWindowLink() = default;
    MainWindowLink(const MainWindowLink&) = default;
    MainWindowLink& operator=(const MainWindowLink&) = default;
};
