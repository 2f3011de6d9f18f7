#pragma once

#include "windows/EditCommands.h"

#include <QMainWindow>
#include <QString>

class MainWindowLink;
class Platform;
class QAction;

// The frame the import and export windows share: opened in the main window's place, captioned
// with the open file's title, back to the main window when closed; File > Exit closes the
// contact file as well; Help offers the manual and About.
class ExchangeWindow : public QMainWindow {
    Q_OBJECT

protected:
    ExchangeWindow(Platform& platform, MainWindowLink& main, const QString& caption, QWidget* parent);
    struct Menus {
        QAction* fileExit = nullptr;
        EditMenu edit; // empty without one
        QAction* helpManual = nullptr;
        QAction* helpAbout = nullptr;
    };
    // The window's File > Exit, its Edit menu when it has one, and its Help items.
    void connectMenus(const Menus& menus);
    // Each opening starts afresh.
    virtual void resetForOpening() = 0;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    Platform& m_platform;
    MainWindowLink& m_main;

private:
    void exitClosingFile();

    QString m_caption;
};
