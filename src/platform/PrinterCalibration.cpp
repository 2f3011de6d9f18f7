#include "platform/PrinterCalibration.h"

#include "platform/Platform.h"

#include <QStringList>
#include <QUrl>
#include <cmath>

namespace {

const QString kApp = QStringLiteral("Tessaprint");
const QString kSection = QStringLiteral("Calibration");

// Printer names may hold the store's group separators (/ and \): one key per printer, always.
QString keyFor(const QString& deviceName)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(deviceName));
}

} // namespace

bool PrinterCalibration::inRange() const
{
    return std::abs(offsetX) <= kMaxOffset && std::abs(offsetY) <= kMaxOffset && scalePercent >= kMinScale
           && scalePercent <= kMaxScale;
}

QString calibrationText(const PrinterCalibration& calibration)
{
    return QStringLiteral("%1 %2 %3")
        .arg(calibration.offsetX)
        .arg(calibration.offsetY)
        .arg(QString::number(calibration.scalePercent, 'f', 2));
}

bool readCalibrationText(const QString& text, PrinterCalibration& calibration)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return false;
    bool okX = false, okY = false, okScale = false;
    PrinterCalibration read;
    read.offsetX = parts[0].toInt(&okX);
    read.offsetY = parts[1].toInt(&okY);
    read.scalePercent = parts[2].toDouble(&okScale);
    if (!okX || !okY || !okScale || !std::isfinite(read.scalePercent) || !read.inRange())
        return false;
    calibration = read;
    return true;
}

PrinterCalibration loadCalibration(Platform& platform, const QString& deviceName)
{
    PrinterCalibration calibration;
    if (deviceName.isEmpty())
        return calibration;
    readCalibrationText(platform.readSetting(kApp, kSection, keyFor(deviceName)), calibration);
    return calibration;
}

void saveCalibration(Platform& platform, const QString& deviceName, const PrinterCalibration& calibration)
{
    platform.writeSetting(kApp, kSection, keyFor(deviceName), calibrationText(calibration));
}
