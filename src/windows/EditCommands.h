#pragma once

#include <QString>

class Platform;
class QAction;
class QMainWindow;
class QMenu;
class QWidget;

// The Edit menu's clipboard commands on the focused text box. Anything but a text box with
// selected text is left alone: a shortcut reaches the command even while its item is
// disabled, and must not empty the clipboard then.
void cutSelection(Platform& platform, QWidget* focus);
void copySelection(Platform& platform, QWidget* focus);
void pasteInto(Platform& platform, QWidget* focus);

// When the Edit menu opens, which focus enables Cut and Copy: a text box with selected text, or
// also anything that is not a text box (the contact windows).
enum class CutCopyRule { SelectedText, SelectedTextOrNoTextBox };

struct EditMenu {
    QMenu* menu = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
};

// The Edit menu of `window`: "&Edit" with Cut (Ctrl+X), Copy (Ctrl+C) and Paste (Ctrl+V) on its
// focused text box, named namePrefix + "Edit", "EditCut", "EditCopy", "EditPaste", and Cut and
// Copy enabled by `rule` each time it opens.
EditMenu addEditMenu(QMainWindow* window, Platform& platform, const QString& namePrefix, CutCopyRule rule);
