#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

// The small pieces every window builds itself from, named as its controls.

// A menu item named as its control.
QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption,
                     const QKeySequence& shortcut = QKeySequence());
// A push button named as its control; tip, when given, is its tool tip.
QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent, const QString& tip = {});

// A window's caption with the open file's title: "Import Contacts  [Friends]".
QString captionWithFile(const QString& caption, const QString& fileTitle);

// The wait cursor while a long command runs.
struct BusyCursor {
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
