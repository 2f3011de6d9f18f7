#pragma once

#include "platform/PrinterCalibration.h"
#include "platform/PrinterDevice.h"

#include <memory>

class Platform;

// A printer whose output is moved and stretched by its calibration; everything but the
// positions of text and rules goes through untouched.
class CalibratedDevice : public PrinterDevice {
public:
    CalibratedDevice(std::unique_ptr<PrinterDevice> device, const PrinterCalibration& calibration);

    const PrinterCalibration& calibration() const { return m_calibration; }
    PrinterDevice& device() { return *m_device; }

    QString deviceName() const override { return m_device->deviceName(); }
    void setOrientation(Orientation orientation) override { m_device->setOrientation(orientation); }
    void setPaperSize(PaperSize size) override { m_device->setPaperSize(size); }
    void feedEnvelope(double widthInches, double heightInches) override
    {
        m_device->feedEnvelope(widthInches, heightInches);
    }
    PageGeometry page() override { return m_device->page(); }
    double averageCharWidth(const PrintFont& font) override { return m_device->averageCharWidth(font); }
    double textWidth(const PrintFont& font, const QString& text) override { return m_device->textWidth(font, text); }
    void drawText(const PlacedText& run) override;
    void drawRule(const PlacedRule& rule) override;
    void newPage() override { m_device->newPage(); }
    void endDocument() override { m_device->endDocument(); }
    void abandonDocument() override { m_device->abandonDocument(); }

private:
    std::unique_ptr<PrinterDevice> m_device;
    PrinterCalibration m_calibration;
};

// A printer (never a file: callers decide which it is) as every printout must see it, in the
// calibration stored for its device name. Every place that turns a chosen printer into a device
// goes through here.
std::unique_ptr<CalibratedDevice> calibratedPrinter(Platform& platform, std::unique_ptr<PrinterDevice> printer);
