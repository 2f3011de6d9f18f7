#include "print/SheetPicture.h"

#include "platform/PagePlacement.h"
#include "platform/Platform.h"
#include "print/ComposerPrintRequest.h"
#include "print/EnvelopeSizes.h"
#include "print/LineFit.h"
#include "print/LinePrinter.h"
#include "print/PrintCommand.h"
#include "print/ReturnAddressFlow.h"
#include "print/ReturnAddressSheet.h"

#include <algorithm>
#include <cmath>

namespace {

// The kept preview printer, handed to one print run at a time without giving it away.
class BorrowedDevice : public PrinterDevice {
public:
    explicit BorrowedDevice(PrinterDevice& device) : m_device(device) {}

    QString deviceName() const override { return m_device.deviceName(); }
    void setOrientation(Orientation orientation) override { m_device.setOrientation(orientation); }
    void setPaperSize(PaperSize size) override { m_device.setPaperSize(size); }
    void feedEnvelope(double w, double h) override { m_device.feedEnvelope(w, h); }
    PageGeometry page() override { return m_device.page(); }
    double averageCharWidth(const PrintFont& font) override { return m_device.averageCharWidth(font); }
    double textWidth(const PrintFont& font, const QString& text) override { return m_device.textWidth(font, text); }
    // The recording printer keeps every document; nothing reaches the kept printer.
    void drawText(const PlacedText&) override {}
    void drawRule(const PlacedRule&) override {}
    void newPage() override {}
    void endDocument() override {}
    void abandonDocument() override {}

private:
    PrinterDevice& m_device;
};

// The platform a picture is printed through: no dialog, message or beep reaches the user, the
// first message is kept as the refusal, and the pages the preview would show are kept.
class QuietPlatform : public Platform {
public:
    explicit QuietPlatform(PrinterDevice* layout) : m_layout(layout) {}

    QString refusal;
    std::optional<PreviewDocument> shown;

    MessageAnswer messageBox(const QString& text, const QString&, MessageButtons, MessageIcon) override
    {
        if (refusal.isEmpty())
            refusal = text;
        return MessageAnswer::Cancel;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return QString(); }
    void beep() override {}
    std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<PrintChoice> printDialog(const PrintDialogRequest&) override { return std::nullopt; }
    std::unique_ptr<PrinterDevice> previewPrinter() override
    {
        if (!m_layout)
            return nullptr;
        // As the print dialog leaves a printer: letter paper, upright.
        m_layout->setOrientation(Orientation::Portrait);
        m_layout->setPaperSize(PaperSize::Letter);
        return std::make_unique<BorrowedDevice>(*m_layout);
    }
    void showPreview(const PreviewDocument& document) override { shown = document; }
    void clearClipboard() override {}
    void setClipboardText(const QString&) override {}
    QString clipboardText() override { return QString(); }
    void writeSetting(const QString&, const QString&, const QString&, const QString&) override {}
    QString readSetting(const QString&, const QString&, const QString&) override { return QString(); }
    QStringList printerNames() override { return {}; }
    bool openDocument(const QString&) override { return false; }
    bool startProgram(const QString&) override { return false; }
    QString programFolder() override { return QString(); }
    QDate today() override { return QDate(); }

private:
    PrinterDevice* m_layout;
};

QString range(const QString& one, const QString& many, int first, int last)
{
    return first == last ? one.arg(first) : many.arg(first).arg(last);
}

QString describe(const SheetPicture& picture, const Composer& composer)
{
    QStringList parts;
    switch (picture.stock) {
    case PreviewStock::ThirtyLabels:
        if (picture.firstChosen == 0) {
            parts << QStringLiteral("No label chosen");
            break;
        }
        parts << range(QStringLiteral("Label %1 chosen"), QStringLiteral("Labels %1 to %2 chosen"),
                       picture.firstChosen, picture.lastChosen);
        if (picture.firstChosen > 1)
            parts << range(QStringLiteral("label %1 used"), QStringLiteral("labels %1 to %2 used"), 1,
                           picture.firstChosen - 1);
        break;
    case PreviewStock::EightyLabels:
        parts << QStringLiteral("80 return-address labels");
        break;
    case PreviewStock::Envelope:
    case PreviewStock::Plain: {
        const int size = envelopeSizeOf(composer.envelopeSizeNumber);
        const QStringList entries = envelopeSizeEntries();
        parts << (size >= 1 && size <= entries.size() ? QStringLiteral("Envelope: ") + entries[size - 1]
                                                      : QStringLiteral("No envelope size chosen"));
        break;
    }
    }
    if (!picture.refusal.isEmpty())
        parts << QStringLiteral("Print would stop: ") + picture.refusal;
    return parts.join(QStringLiteral("; "));
}

// The composer line a run prints, by its text after the centring spaces; -1 for none.
int lineOf(const PlacedText& run, const std::array<QString, 5>& lines, int lineCount)
{
    for (int i = 0; i < lineCount; ++i) {
        const QString& line = lines[std::size_t(i)];
        if (!line.isEmpty() && run.text.endsWith(line)
            && run.text.left(run.text.size() - line.size()).trimmed().isEmpty())
            return i;
    }
    return -1;
}

// The labels Print fills: the range it reads. (In landscape the lines fall where the turned
// sheet has them, which the runs show.)
void chooseLabels(SheetPicture& picture, const Composer& composer)
{
    picture.labels.assign(picture.page.outlines.size(), SheetLabel::Free);
    const ComposerPrintRequest request = readComposerPrint(composer);
    const double start = request.startPosition;
    if (!composer.labelStock || start < 1 || start > 30 || start != std::floor(start) || request.labelCount < 1)
        return;
    picture.firstChosen = int(start);
    picture.lastChosen = std::min(30, picture.firstChosen + request.labelCount - 1);
    for (int p = 1; p <= picture.lastChosen; ++p)
        picture.labels[std::size_t(p - 1)] = p < picture.firstChosen ? SheetLabel::Used : SheetLabel::Chosen;
}

} // namespace

SheetPicturer::SheetPicturer(Platform& platform, TextMeasure& measure) : m_platform(platform), m_measure(measure) {}

SheetPicturer::~SheetPicturer() = default;

PageGeometry SheetPicturer::bareGeometry(PreviewStock stock, const Composer& composer)
{
    if (!m_layout)
        return composer.portrait || stock == PreviewStock::EightyLabels ? PageGeometry{612, 792, false}
                                                                        : PageGeometry{792, 612, false};
    // The paper the print code would turn and feed, asked of the printer as it asks.
    m_layout->setOrientation(Orientation::Portrait);
    m_layout->setPaperSize(PaperSize::Letter);
    if (stock != PreviewStock::EightyLabels && !composer.portrait)
        m_layout->setOrientation(Orientation::Landscape);
    if (stock == PreviewStock::Envelope && !composer.portrait)
        if (const auto inches = envelopeInches(envelopeSizeOf(composer.envelopeSizeNumber)))
            m_layout->feedEnvelope(inches->first, inches->second);
    return m_layout->page();
}

SheetPicture SheetPicturer::draw(const Composer& composer, bool returnAddress)
{
    if (!m_asked) {
        m_layout = m_platform.previewPrinter();
        m_asked = true;
    }
    SheetPicture picture;
    picture.stock = returnAddress     ? PreviewStock::EightyLabels
                    : composer.envelope ? PreviewStock::Envelope
                                        : PreviewStock::ThirtyLabels;
    QuietPlatform quiet(m_layout.get());
    {
        PreviewPlatform previewing(quiet, picture.stock);
        if (returnAddress) {
            if (refuseUnfitReturnAddress(quiet, composer.lines) == ReturnAddressLines::Fit)
                printReturnAddressSheets(previewing, {composer.lines[0], composer.lines[1], composer.lines[2]});
        } else {
            // Printing moves the start position and the margin boxes on; the picture leaves them.
            Composer copy = composer;
            printComposer(previewing, copy);
        }
        previewing.showDrawn();
    }
    picture.refusal = quiet.refusal;
    if (quiet.shown && !quiet.shown->pages.empty()) {
        picture.page = std::move(quiet.shown->pages.front());
    } else {
        picture.page.geometry = bareGeometry(picture.stock, composer);
        picture.page.outlines = stockOutlines(picture.stock, picture.page.geometry);
    }
    if (picture.stock == PreviewStock::ThirtyLabels)
        chooseLabels(picture, composer);

    const FitLayout layout = fitLayout(composer, returnAddress, m_measure);
    const std::array<LineFit, 5> fits = fitLines(composer.lines, layout, m_measure);
    for (const PlacedText& run : picture.page.runs) {
        const int line = lineOf(run, composer.lines, layout.lineCount);
        if (line >= 0 && fits[std::size_t(line)].problem != LineFitProblem::None)
            picture.marks.push_back(runBox(run, m_measure));
    }
    picture.description = describe(picture, composer);
    return picture;
}

int labelAt(const SheetPicture& picture, const QPointF& point)
{
    if (picture.stock != PreviewStock::ThirtyLabels)
        return 0;
    for (std::size_t i = 0; i < picture.page.outlines.size(); ++i)
        // Half a point for rounding: some rows start right at their label's top edge.
        if (picture.page.outlines[i].adjusted(-0.5, -0.5, 0.5, 0.5).contains(point))
            return int(i) + 1;
    return 0;
}

QRectF runBox(const PlacedText& run, TextMeasure& measure)
{
    return QRectF(PagePlacement::kOriginLeft + run.x, PagePlacement::kOriginTop + run.y,
                  measure.textWidth(run.font, run.text), run.font.pointSize * LinePrinter::kLinePitch);
}
