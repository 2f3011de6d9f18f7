#include "windows/EditCommands.h"

#include "platform/Platform.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>

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

void connectEditMenu(QMainWindow* window, Platform& platform, const EditMenu& edit, CutCopyRule rule)
{
    QObject::connect(edit.menu, &QMenu::aboutToShow, window, [window, edit, rule] {
        const auto* box = qobject_cast<QLineEdit*>(window->focusWidget());
        const bool enabled = box ? box->hasSelectedText() : rule == CutCopyRule::SelectedTextOrNoTextBox;
        edit.cut->setEnabled(enabled);
        edit.copy->setEnabled(enabled);
    });
    QObject::connect(edit.cut, &QAction::triggered, window,
                     [window, &platform] { cutSelection(platform, window->focusWidget()); });
    QObject::connect(edit.copy, &QAction::triggered, window,
                     [window, &platform] { copySelection(platform, window->focusWidget()); });
    QObject::connect(edit.paste, &QAction::triggered, window,
                     [window, &platform] { pasteInto(platform, window->focusWidget()); });
}
