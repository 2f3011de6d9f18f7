#include "platform/CalibratedDevice.h"

CalibratedDevice::CalibratedDevice(std::unique_ptr<PrinterDevice> device, const PrinterCalibration& calibration)
    : ForwardingDevice(std::move(device)), m_calibration(calibration)
{
}

void CalibratedDevice::drawText(const PlacedText& run)
{
    PlacedText moved = run;
    moved.x = m_calibration.mapX(run.x);
    moved.y = m_calibration.mapY(run.y);
    inner().drawText(moved);
}

void CalibratedDevice::drawRule(const PlacedRule& rule)
{
    PlacedRule moved = rule;
    moved.x1 = m_calibration.mapX(rule.x1);
    moved.y1 = m_calibration.mapY(rule.y1);
    moved.x2 = m_calibration.mapX(rule.x2);
    moved.y2 = m_calibration.mapY(rule.y2);
    inner().drawRule(moved);
}

std::unique_ptr<CalibratedDevice> calibratedPrinter(Platform& platform, std::unique_ptr<PrinterDevice> printer)
{
    const PrinterCalibration calibration = loadCalibration(platform, printer->deviceName());
    return std::make_unique<CalibratedDevice>(std::move(printer), calibration);
}
