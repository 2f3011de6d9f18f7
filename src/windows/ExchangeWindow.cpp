#include "windows/ExchangeWindow.h"

#include "contacts/ContactSession.h"
#include "help/HelpEntries.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowPieces.h"

#include <QAction>
#include <QCloseEvent>
#include <QShowEvent>

ExchangeWindow::ExchangeWindow(Platform& platform, MainWindowLink& main, const QString& caption, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_platform(platform), m_main(main), m_caption(caption)
{
    closeOnEscape(this);
}

void ExchangeWindow::connectMenus(const Menus& menus)
{
    connect(menus.fileExit, &QAction::triggered, this, &ExchangeWindow::exitClosingFile);
    if (menus.edit.menu)
        connectEditMenu(this, m_platform, menus.edit, CutCopyRule::SelectedText);
    connectHelp(menus.helpManual, menus.helpAbout, this, m_platform);
}

void ExchangeWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        setWindowTitle(captionWithFile(m_caption, m_main.session().txtFileTitle));
        resetForOpening();
    }
    QMainWindow::showEvent(event);
}

void ExchangeWindow::closeEvent(QCloseEvent* event)
{
    // Hidden already when the program ends and the main window closes every window.
    if (isVisible())
        m_main.returnHere(this);
    event->accept();
}

// Closing every file means the contact file too: the main window's Close, so that it no
// longer offers commands for a file that is gone.
void ExchangeWindow::exitClosingFile()
{
    m_main.closeContactFile();
    close();
}
