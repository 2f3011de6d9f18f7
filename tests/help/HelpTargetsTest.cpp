#include "help/HelpTargets.h"
#include "platform/Platform.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
}

// The current folder is moved for the test and put back after it.
class InAnotherFolder {
public:
    InAnotherFolder() : m_before(QDir::currentPath()) { QDir::setCurrent(m_elsewhere.path()); }
    ~InAnotherFolder() { QDir::setCurrent(m_before); }
    QString path() const { return m_elsewhere.path(); }

private:
    QString m_before;
    QTemporaryDir m_elsewhere;
};

} // namespace

TEST(HelpTargets, DocumentsAreFoundInTheHelpFolderWhateverTheCurrentFolder)
{
    FakePlatform fake;
    InAnotherFolder elsewhere;
    // A same-named file in the current folder must not be the one that opens.
    touch(elsewhere.path() + QStringLiteral("/vedUvuv.pdf"));
    const struct {
        HelpAid aid;
        QString file;
    } cases[] = {
        {HelpAid::UserManual, QStringLiteral("vedUvuv.pdf")},
        {HelpAid::StateAbbreviations, QStringLiteral("doz_oruvi_zozuvivozuroz.pdf")},
    };
    // Beside the program, as built; in the data folder, as installed.
    for (const QString& help : {QString(), fake.folder + QStringLiteral("/../share/tessaprint")}) {
        fake.helpDocuments = help;
        for (const auto& c : cases) {
            fake.opened.clear();
            openHelpAid(fake, c.aid);
            ASSERT_EQ(fake.opened.size(), 1);
            EXPECT_EQ(fake.opened[0], QDir::cleanPath(QDir(fake.helpFolder()).filePath(c.file)));
            EXPECT_TRUE(QDir::isAbsolutePath(fake.opened[0]));
            EXPECT_FALSE(fake.opened[0].contains(QStringLiteral("..")));
        }
    }
    fake.helpDocuments.clear();
    // A folder given with a trailing separator gives the same path.
    EXPECT_EQ(helpTarget(HelpAid::UserManual, fake.folder + u'/'), QDir(fake.folder).filePath(QStringLiteral("vedUvuv.pdf")));
    EXPECT_TRUE(fake.started.isEmpty());
    EXPECT_TRUE(fake.messages.empty());
}

TEST(HelpTargets, LookUpsOpenSecureWebPages)
{
    FakePlatform fake;
    const struct {
        HelpAid aid;
        QString host;
    } cases[] = {
        {HelpAid::PeopleFinder, QStringLiteral("whitepages.com")},
        {HelpAid::ZipCodeFinder, QStringLiteral("usps.com")},
    };
    for (const auto& c : cases) {
        fake.opened.clear();
        openHelpAid(fake, c.aid);
        ASSERT_EQ(fake.opened.size(), 1);
        const QUrl url(fake.opened[0]);
        EXPECT_TRUE(url.isValid());
        EXPECT_EQ(url.scheme(), QStringLiteral("https"));
        EXPECT_TRUE(url.host().endsWith(c.host)) << qPrintable(url.host());
    }
}

TEST(HelpTargets, WhatNothingOpensIsNamedWithWhereItIs)
{
    const struct {
        HelpAid aid;
        QString title;
    } cases[] = {
        {HelpAid::UserManual, "User Manual"},
        {HelpAid::StateAbbreviations, "State Abbreviations"},
        {HelpAid::PeopleFinder, "People Finder"},
        {HelpAid::ZipCodeFinder, "Zip Code Finder"},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        const QString target = helpTarget(c.aid, fake.helpFolder());
        fake.unopenable = {target};
        openHelpAid(fake, c.aid);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_TRUE(fake.messages[0].text.contains(QDir::toNativeSeparators(target)))
            << qPrintable(fake.messages[0].text);
        EXPECT_EQ(fake.messages[0].title, c.title);
        EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
    }
}

TEST(HelpTargets, SystemInformationStartsTheRegisteredToolOrSaysItIsUnavailable)
{
    QTemporaryDir toolFolder;
    const QString tool = toolFolder.filePath(QStringLiteral("MSINFO32.EXE"));
    touch(tool);
    QTemporaryDir emptyFolder;
    const QString pathKey = QLatin1String(kSystemInfoKey) + QStringLiteral("|PATH");
    const QString folderKey = QLatin1String(kSystemInfoLocationKey) + QStringLiteral("|MSINFO");

    const struct {
        const char* name;
        QMap<QString, QString> registry;
        QStringList unstartable;
        QString started; // empty: the message instead
    } cases[] = {
        {"neither value", {}, {}, QString()},
        {"the tool's path", {{pathKey, QStringLiteral("/usr/bin/hardinfo")}}, {}, QStringLiteral("/usr/bin/hardinfo")},
        {"the path wins over the folder",
         {{pathKey, QStringLiteral("/usr/bin/hardinfo")}, {folderKey, toolFolder.path()}}, {},
         QStringLiteral("/usr/bin/hardinfo")},
        {"the folder holding the tool", {{folderKey, toolFolder.path()}}, {}, tool},
        {"a folder without the tool", {{folderKey, emptyFolder.path()}}, {}, QString()},
        {"a tool that does not start", {{pathKey, QStringLiteral("/usr/bin/hardinfo")}},
         {QStringLiteral("/usr/bin/hardinfo")}, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fake.registry = c.registry;
        fake.unstartable = c.unstartable;
        const bool started = startSystemInformation(fake);
        EXPECT_EQ(started, !c.started.isEmpty());
        if (c.started.isEmpty()) {
            EXPECT_TRUE(fake.started.isEmpty());
            ASSERT_EQ(fake.messages.size(), 1u);
            EXPECT_EQ(fake.messages[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
            EXPECT_EQ(fake.messages[0].title, QStringLiteral("Tessaprint"));
            EXPECT_EQ(fake.messages[0].buttons, MessageButtons::Ok);
        } else {
            EXPECT_EQ(fake.started, QStringList{c.started});
            EXPECT_TRUE(fake.messages.empty());
        }
        EXPECT_TRUE(fake.opened.isEmpty());
    }
}
