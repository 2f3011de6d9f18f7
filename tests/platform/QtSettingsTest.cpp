#include "platform/PrinterCalibration.h"
#include "platform/qt/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The settings store read back as written, in a folder of the test's own (never the user's).
TEST(QtSettings, CalibrationsRoundTripThroughTheSettingsStore)
{
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QtPlatform platform;

    const struct {
        QString name;
        PrinterCalibration calibration;
    } cases[] = {
        {QStringLiteral("Office Laser"), {12, -7, 100}},
        {QStringLiteral("ipp://print.local/printers/Kitchen Inkjet"), {-100, 100, 90}},
        {QStringLiteral("\\\\server\\Front Desk %20"), {0, 3, 99.5}},
        {QStringLiteral("Étiquettes=5160;[a]"), {1, 1, 110}},
    };
    for (const auto& c : cases)
        saveCalibration(platform, c.name, c.calibration);
    for (const auto& c : cases)
        EXPECT_EQ(loadCalibration(platform, c.name), c.calibration) << c.name.toStdString();
    EXPECT_TRUE(loadCalibration(platform, QStringLiteral("Office")).isIdentity());
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("Tessaprint/Tessaprint.conf"))));

    platform.writeSetting(QStringLiteral("Tessaprint"), QStringLiteral("Settings"), QStringLiteral("MainLeft"),
                          QStringLiteral("1440"));
    EXPECT_EQ(platform.readSetting(QStringLiteral("Tessaprint"), QStringLiteral("Settings"), QStringLiteral("MainLeft")),
              "1440");
    EXPECT_EQ(platform.readSetting(QStringLiteral("Tessaprint"), QStringLiteral("Settings"), QStringLiteral("Absent")),
              QString());
}
