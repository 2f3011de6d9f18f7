#include "platform/qt/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// PATH points at a folder of the test's own for the test's length.
class PathFolder {
public:
    PathFolder() : m_before(qgetenv("PATH")) { qputenv("PATH", m_folder.path().toLocal8Bit()); }
    ~PathFolder() { qputenv("PATH", m_before); }

    QString addProgram(const QString& name, const QByteArray& script = "exit 0\n")
    {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n" + script);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private:
    QByteArray m_before;
    QTemporaryDir m_folder;
};

} // namespace

TEST(QtPlatformHelp, TheSystemInformationLookUpAnswersWithAToolFoundOnPath)
{
    QtPlatform platform;
    PathFolder path;
    const QString key = QLatin1String(kSystemInfoKey);
    EXPECT_TRUE(platform.registryValue(key, QStringLiteral("PATH")).isEmpty());

    path.addProgram(QStringLiteral("not-a-system-tool"));
    EXPECT_TRUE(platform.registryValue(key, QStringLiteral("PATH")).isEmpty());

    const QString tool = path.addProgram(QStringLiteral("hardinfo"));
    EXPECT_EQ(platform.registryValue(key, QStringLiteral("PATH")), tool);
    // Only that one value has an answer here.
    EXPECT_TRUE(platform.registryValue(key, QStringLiteral("Other")).isEmpty());
    EXPECT_TRUE(platform.registryValue(QLatin1String(kSystemInfoLocationKey), QStringLiteral("MSINFO")).isEmpty());
}

TEST(QtPlatformHelp, StartingAMissingProgramReportsFailure)
{
    QtPlatform platform;
    QTemporaryDir folder;
    EXPECT_FALSE(platform.startProgram(folder.filePath(QStringLiteral("no-such-tool"))));
    EXPECT_FALSE(platform.documentsFolder().isEmpty());
}

TEST(QtPlatformHelp, ADocumentWithoutAProgramOrAFileIsReportedAsNotOpened)
{
    QtPlatform platform;
    PathFolder path;
    path.addProgram(QStringLiteral("xdg-mime")); // names no program for anything
    QTemporaryDir folder;
    const QString manual = folder.filePath(QStringLiteral("manual.pdf"));
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
    file.close();
    EXPECT_FALSE(platform.openDocument(manual));
    EXPECT_FALSE(platform.openDocument(QStringLiteral("https://tools.usps.com/zip-code-lookup.htm")));
    EXPECT_FALSE(platform.openDocument(folder.filePath(QStringLiteral("missing.pdf"))));
}
