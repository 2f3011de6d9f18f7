#pragma once

#include "platform/PrinterCalibration.h"
#include "platform/ForwardingDevice.h"

#include <memory>

class Platform;

// A printer whose output is moved and stretched by its calibration; everything but the
// positions of text and rules goes through untouched.
class CalibratedDevice : public ForwardingDevice {
public:
    CalibratedDevice(std::unique_ptr<PrinterDevice> device, const PrinterCalibration& calibration);

    const PrinterCalibration& calibration() const { return m_calibration; }
    PrinterDevice& device() { return inner(); }

    void drawText(const PlacedText& run) override;
    void drawRule(const PlacedRule& rule) override;

private:
    PrinterCalibration m_calibration;
};

// A printer (never a file: callers decide which it is) as every printout must see it, in the
// calibration stored for its device name. Every place that turns a chosen printer into a device
// goes through here.
std::unique_ptr<CalibratedDevice> calibratedPrinter(Platform& platform, std::unique_ptr<PrinterDevice> printer);
