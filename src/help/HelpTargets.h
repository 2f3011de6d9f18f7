#pragma once

#include <QString>

class Platform;

// The aids every window offers beside its own work.
enum class HelpAid { UserManual, StateAbbreviations, PeopleFinder, ZipCodeFinder };

inline constexpr const char* kUserManualFile = "vedUvuv.pdf";
inline constexpr const char* kStateTableFile = "doz_oruvi_zozuvivozuroz.pdf";
inline constexpr const char* kPeopleFinderUrl = "https://www.whitepages.com/";
inline constexpr const char* kZipCodeFinderUrl = "https://tools.usps.com/zip-code-lookup.htm";

// The document's full path in the program folder, or the web page's address.
QString helpTarget(HelpAid aid, const QString& programFolder);
// Hands the target to the desktop; when nothing opens it, says where the document or page is.
void openHelpAid(Platform& platform, HelpAid aid);

// The About window's texts.
QString programTitle();
QString aboutCaption();
QString versionText();
QString aboutDescription();
QString aboutDisclaimer();

inline const QString kSystemInfoUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// Starts the system-information tool, or says that there is none.
// True when a tool was started.
bool startSystemInformation(Platform& platform);
