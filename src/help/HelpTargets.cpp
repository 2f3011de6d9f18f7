#include "help/HelpTargets.h"

#include "help/Version.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

QString helpTarget(HelpAid aid, const QString& programFolder)
{
    const auto inFolder = [&](const char* name) {
        // An absolute path, so that the current folder never decides which file opens.
        return QDir::cleanPath(QDir(programFolder).absoluteFilePath(QLatin1String(name)));
    };
    switch (aid) {
    case HelpAid::UserManual:
        return inFolder(kUserManualFile);
    case HelpAid::StateAbbreviations:
        return inFolder(kStateTableFile);
    case HelpAid::PeopleFinder:
        return QLatin1String(kPeopleFinderUrl);
    case HelpAid::ZipCodeFinder:
        return QLatin1String(kZipCodeFinderUrl);
    }
    return QString();
}

void openHelpAid(Platform& platform, HelpAid aid)
{
    const bool document = aid == HelpAid::UserManual || aid == HelpAid::StateAbbreviations;
    const QString target = helpTarget(aid, document ? platform.helpFolder() : QString());
    if (platform.openDocument(target))
        return;
    static const char* const titles[] = {"User Manual", "State Abbreviations", "People Finder", "Zip Code Finder"};
    const QString title = QLatin1String(titles[static_cast<int>(aid)]);
    const QString text = document
        ? QStringLiteral("The %1 could not be opened: no program for PDF files was found, or the file is missing.\n"
                         "It is the file %2")
              .arg(title, QDir::toNativeSeparators(target))
        : QStringLiteral("%1 could not be opened: no web browser was found.\nIts address is %2").arg(title, target);
    platform.messageBox(text, title, MessageButtons::Ok, MessageIcon::Information);
}

QString programTitle()
{
    return QStringLiteral("Tessaprint");
}

QString aboutCaption()
{
    return QStringLiteral("About ") + programTitle();
}

QString versionText()
{
    return QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

QString aboutDescription()
{
    return QStringLiteral("Tessaprint  is a software program for your home or small business.  It allows you to "
                          "type and print your label, or retrieve label information from your contact file.  "
                          "With its comprehensive features, you can save time and money.  "
                          "Keep your addresses in one place and print them whenever you need them.");
}

QString aboutDisclaimer()
{
    return QStringLiteral("Disclaimer: this program is provided as is, without warranty of any kind.  The author "
                          "is not liable for any loss or damage, including wasted label stock, envelopes or "
                          "postage, lost data or missed mail, that results from using it.  Check a printout "
                          "before you mail it and keep a copy of your contact file.");
}

namespace {

bool startSystemTool(Platform& platform)
{
    const QString program = platform.registryValue(QLatin1String(kSystemInfoKey), QStringLiteral("PATH"));
    if (!program.isEmpty())
        return platform.startProgram(program);

    const QString folder = platform.registryValue(QLatin1String(kSystemInfoLocationKey), QStringLiteral("MSINFO"));
    if (folder.isEmpty())
        return false;
    const QString file = QDir(folder).filePath(QStringLiteral("MSINFO32.EXE"));
    return QFileInfo(file).isFile() && platform.startProgram(file);
}

} // namespace

bool startSystemInformation(Platform& platform)
{
    bool started = false;
    try {
        started = startSystemTool(platform);
    } catch (...) {
        started = false;
    }
    if (!started)
        platform.messageBox(kSystemInfoUnavailable, programTitle(), MessageButtons::Ok, MessageIcon::None);
    return started;
}
