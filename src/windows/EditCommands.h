#pragma once

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

// The Edit menu of `window` (its .ui's Cut, Copy and Paste) on the focused text box, Cut and Copy
// enabled by `rule` each time it opens.
void connectEditMenu(QMainWindow* window, Platform& platform, const EditMenu& edit, CutCopyRule rule);
