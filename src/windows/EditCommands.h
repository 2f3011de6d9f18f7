#pragma once

class Platform;
class QWidget;

// The Edit menu's clipboard commands on the focused text box. Anything but a text box with
// selected text is left alone: a shortcut reaches the command even while its item is
// disabled, and must not empty the clipboard then.
void cutSelection(Platform& platform, QWidget* focus);
void copySelection(Platform& platform, QWidget* focus);
void pasteInto(Platform& platform, QWidget* focus);
