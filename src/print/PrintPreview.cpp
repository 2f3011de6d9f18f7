#include "print/PrintPreview.h"

#include "platform/ForwardingDevice.h"
#include "print/LabelStock.h"
#include "print/PrintCommand.h"

#include <utility>

namespace {

bool sameGeometry(const PageGeometry& a, const PageGeometry& b)
{
    return a.width == b.width && a.height == b.height && a.envelope == b.envelope;
}

std::vector<QRectF> sheetOutlines(const LabelStock& stock, const PageGeometry& page)
{
    std::vector<QRectF> labels = labelOutlines(stock);
    if (page.width <= page.height)
        return labels;
    // The page's top runs along the paper's left edge: paper (x, y) lies at (width - y, x).
    for (QRectF& label : labels)
        label = QRectF(page.width - label.bottom(), label.left(), label.height(), label.width());
    return labels;
}

// The printer a preview's print code draws on: measured and laid out by the preview printer,
// its documents kept in the record instead of being sent.
class RecordingPrinter : public ForwardingDevice {
public:
    RecordingPrinter(std::unique_ptr<PrinterDevice> layout, PreviewStock stock, PreviewPlatform::Record& record)
        : ForwardingDevice(std::move(layout)), m_stock(stock), m_record(record)
    {
    }

    void drawText(const PlacedText& run) override
    {
        open();
        PreviewPage& current = m_pages.back();
        // The paper as it is when the text goes onto it.
        const PageGeometry now = inner().page();
        if (!sameGeometry(now, current.geometry)) {
            std::vector<PlacedRule> rules = std::move(current.rules);
            current = startPage(std::move(current.runs));
            current.rules = std::move(rules);
        }
        current.runs.push_back(run);
    }
    void drawRule(const PlacedRule& rule) override
    {
        open();
        m_pages.back().rules.push_back(rule);
    }
    void newPage() override
    {
        open();
        m_pages.push_back(startPage({}));
    }
    void endDocument() override
    {
        open();
        for (PreviewPage& page : m_pages)
            m_record.document.pages.push_back(std::move(page));
        ++m_record.documentsEnded;
        m_pages.clear();
        m_open = false;
    }
    void abandonDocument() override
    {
        // Print code abandons only when something failed.
        m_record.abandoned = true;
        m_pages.clear();
        m_open = false;
    }

private:
    PreviewPage startPage(std::vector<PlacedText> runs)
    {
        PreviewPage page;
        page.geometry = inner().page();
        page.outlines = stockOutlines(m_stock, page.geometry);
        page.runs = std::move(runs);
        return page;
    }
    void open()
    {
        if (!m_open) {
            m_pages.assign(1, startPage({}));
            m_open = true;
        }
    }

    PreviewStock m_stock;
    PreviewPlatform::Record& m_record;
    std::vector<PreviewPage> m_pages; // of the open document
    bool m_open = false;
};

template <class Print>
bool preview(Platform& platform, PreviewStock stock, Print print)
{
    PreviewPlatform previewing(platform, stock);
    print(previewing);
    return previewing.showDrawn();
}

} // namespace

std::vector<QRectF> stockOutlines(PreviewStock stock, const PageGeometry& page)
{
    switch (stock) {
    case PreviewStock::ThirtyLabels:
        return sheetOutlines(kThirtyLabelSheet, page);
    case PreviewStock::EightyLabels:
        return sheetOutlines(kEightyLabelSheet, page);
    case PreviewStock::Envelope:
        if (page.envelope)
            return {QRectF(0, 0, page.width, page.height)};
        return {};
    case PreviewStock::Plain:
        break;
    }
    return {};
}

std::optional<PrintChoice> PreviewPlatform::printDialog(const PrintDialogRequest& request)
{
    (void)request; // no dialog: all of it, once
    std::unique_ptr<PrinterDevice> layout = m_inner.previewPrinter();
    if (!layout)
        return std::nullopt;
    PrintChoice choice;
    choice.printer = std::make_unique<RecordingPrinter>(std::move(layout), m_stock, m_record);
    choice.copies = 1;
    return choice;
}

bool PreviewPlatform::showDrawn()
{
    if (m_record.abandoned || m_record.documentsEnded == 0 || m_record.document.pages.empty())
        return false;
    m_inner.showPreview(m_record.document);
    return true;
}

bool previewComposer(Platform& platform, const Composer& composer)
{
    const PreviewStock stock = composer.envelope     ? PreviewStock::Envelope
                               : composer.labelStock ? PreviewStock::ThirtyLabels
                                                     : PreviewStock::Plain;
    // Printing moves the start position and the margin boxes on; a preview leaves them.
    Composer copy = composer;
    return preview(platform, stock, [&](Platform& p) { printComposer(p, copy); });
}

bool previewListLabels(Platform& platform, const std::vector<int>& recordNumbers, const RecordReader& read)
{
    return preview(platform, PreviewStock::ThirtyLabels,
                   [&](Platform& p) { printListLabels(p, recordNumbers, read); });
}

bool previewContactReport(Platform& platform, const ReportRequest& request)
{
    return preview(platform, PreviewStock::Plain, [&](Platform& p) { printContactReport(p, request); });
}

bool previewContactDetails(Platform& platform, const ContactDetails& details)
{
    return preview(platform, PreviewStock::Plain,
                   [&](Platform& p) { printContactDetails(p, details, std::nullopt); });
}
