#include "platform/ProgramLayout.h"
#include "platform/qt/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramLayout, HelpDocumentsLieInShareWhenInstalledAndBesideTheProgramInABuild)
{
    QTemporaryDir root;
    const QString base = root.path();
    ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("/usr/bin")));
    ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("/usr/share/tessaprint")));
    ASSERT_TRUE(QDir().mkpath(base + QStringLiteral("/build/share")));
    const struct {
        QString programFolder;
        QString helpFolder;
        bool installed;
    } cases[] = {
        {base + QStringLiteral("/usr/bin"), base + QStringLiteral("/usr/share/tessaprint"), true},
        {base + QStringLiteral("/usr/bin/"), base + QStringLiteral("/usr/share/tessaprint"), true},
        {base + QStringLiteral("/build"), base + QStringLiteral("/build"), false},
        // A share folder without the program's own in it is not an install.
        {base + QStringLiteral("/build/bin"), base + QStringLiteral("/build/bin"), false},
    };
    for (const auto& c : cases) {
        const ProgramLayout layout = programLayout(c.programFolder);
        EXPECT_EQ(layout.helpFolder, c.helpFolder) << c.programFolder.toStdString();
        EXPECT_EQ(layout.installed, c.installed) << c.programFolder.toStdString();
    }

    // This test program runs from the build, so its files stay in its own folder.
    QtPlatform platform;
    EXPECT_EQ(platform.helpFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(platform.userFilesFolder(), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(QDir(userDocumentsFolder()).exists());
}
