#include "windows/EditCommands.h"

#include "platform/Platform.h"

#include <QLineEdit>

void copySelection(Platform& platform, QWidget* focus)
{
    const auto* edit = qobject_cast<QLineEdit*>(focus);
    if (!edit || !edit->hasSelectedText())
        return;
    platform.clearClipboard();
    platform.setClipboardText(edit->selectedText());
}

void cutSelection(Platform& platform, QWidget* focus)
{
    auto* edit = qobject_cast<QLineEdit*>(focus);
    if (!edit || !edit->hasSelectedText())
        return;
    copySelection(platform, edit);
    edit->insert(QString());
}

void pasteInto(Platform& platform, QWidget* focus)
{
    if (auto* edit = qobject_cast<QLineEdit*>(focus))
        edit->insert(platform.clipboardText());
}
