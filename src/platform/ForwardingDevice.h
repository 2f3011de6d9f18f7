#pragma once

#include "platform/PrinterDevice.h"

#include <memory>
#include <utility>

// A printer that hands every call to the printer it wraps: a wrapper overrides only what it
// changes.
class ForwardingDevice : public PrinterDevice {
public:
    explicit ForwardingDevice(std::unique_ptr<PrinterDevice> inner) : m_inner(std::move(inner)) {}

    PrinterDevice& inner() { return *m_inner; }
    const PrinterDevice& inner() const { return *m_inner; }

    QString deviceName() const override { return m_inner->deviceName(); }
    void setOrientation(Orientation orientation) override { m_inner->setOrientation(orientation); }
    void setPaperSize(PaperSize size) override { m_inner->setPaperSize(size); }
    void feedEnvelope(double widthInches, double heightInches) override
    {
        m_inner->feedEnvelope(widthInches, heightInches);
    }
    PageGeometry page() override { return m_inner->page(); }
    double averageCharWidth(const PrintFont& font) override { return m_inner->averageCharWidth(font); }
    double textWidth(const PrintFont& font, const QString& text) override { return m_inner->textWidth(font, text); }
    void drawText(const PlacedText& run) override { m_inner->drawText(run); }
    void drawRule(const PlacedRule& rule) override { m_inner->drawRule(rule); }
    void newPage() override { m_inner->newPage(); }
    void endDocument() override { m_inner->endDocument(); }
    void abandonDocument() override { m_inner->abandonDocument(); }

private:
    std::unique_ptr<PrinterDevice> m_inner;
};
