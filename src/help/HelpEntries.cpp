#include "help/HelpEntries.h"

#include "help/HelpTargets.h"
#include "help/frmLMAbout.h"

#include <QAbstractButton>
#include <QAction>
#include <QPointer>
#include <QWidget>

namespace {

template <typename Handler>
void onUse(QObject* entry, QWidget* caller, Handler handler)
{
    if (auto* action = qobject_cast<QAction*>(entry))
        QObject::connect(action, &QAction::triggered, caller, handler);
    else if (auto* button = qobject_cast<QAbstractButton*>(entry))
        QObject::connect(button, &QAbstractButton::clicked, caller, handler);
}

} // namespace

void connectHelp(Platform& platform, QWidget* caller, const HelpEntries& entries)
{
    Platform* shell = &platform;
    onUse(entries.manual, caller, [shell] { openHelpAid(*shell, HelpAid::UserManual); });
    QPointer<QWidget> focus = entries.focusAfterStateTable;
    onUse(entries.stateTable, caller, [shell, focus] {
        openHelpAid(*shell, HelpAid::StateAbbreviations);
        if (focus)
            focus->setFocus();
    });
    onUse(entries.peopleFinder, caller, [shell] { openHelpAid(*shell, HelpAid::PeopleFinder); });
    onUse(entries.zipFinder, caller, [shell] { openHelpAid(*shell, HelpAid::ZipCodeFinder); });
    QPointer<QWidget> window = caller;
    onUse(entries.about, caller, [shell, window] { frmLMAbout::showBeside(window, *shell); });
}

void connectHelp(QAction* manual, QAction* about, QWidget* caller, Platform& platform)
{
    connectHelp(platform, caller, {.manual = manual, .about = about});
}
