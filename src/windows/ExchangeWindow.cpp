#include "windows/ExchangeWindow.h"

#include "contacts/ContactSession.h"
#include "help/HelpEntries.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowPieces.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>

ExchangeWindow::ExchangeWindow(Platform& platform, MainWindowLink& main, const QString& caption, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_platform(platform), m_main(main), m_caption(caption)
{
}

ExchangeWindow::Menus ExchangeWindow::buildMenus(const QString& namePrefix, bool withEditMenu)
{
    Menus menus;
    menus.file = menuBar()->addMenu(QStringLiteral("&File"));
    menus.file->setObjectName(namePrefix + QStringLiteral("File"));
    menus.fileExit = addMenuItem(menus.file, namePrefix + QStringLiteral("FileExit"), QStringLiteral("Exit"));
    connect(menus.fileExit, &QAction::triggered, this, &ExchangeWindow::exitClosingFile);
    if (withEditMenu)
        menus.edit = addEditMenu(this, m_platform, namePrefix, CutCopyRule::SelectedText);
    menus.help = menuBar()->addMenu(QStringLiteral("&Help"));
    menus.help->setObjectName(namePrefix + QStringLiteral("Help"));
    menus.helpManual = addMenuItem(menus.help, namePrefix + QStringLiteral("HelpUM"), QStringLiteral("User Manual"));
    menus.helpAbout
        = addMenuItem(menus.help, namePrefix + QStringLiteral("HelpAbout"), QStringLiteral("About Tessaprint"));
    connectHelp(menus.helpManual, menus.helpAbout, this, m_platform);
    return menus;
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
