#include "support/FakePlatform.h"

#include "platform/AppError.h"
#include "platform/CalibratedDevice.h"

void FakePrinter::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    if (m_open)
        current().orientation = orientation;
}

void FakePrinter::setPaperSize(PaperSize size)
{
    m_paper = size;
    if (m_open)
        current().paper = size;
}

PageGeometry FakePrinter::page()
{
    const bool envelope = m_paper.value_or(dialogPaper) == PaperSize::Envelope10;
    // Upright: letter 8.5 x 11 in, envelope #10 4 1/8 x 9 1/2 in.
    const double shortSide = envelope ? 4.125 * 72 : 8.5 * 72;
    const double longSide = envelope ? 9.5 * 72 : 11 * 72;
    if (m_orientation == Orientation::Portrait)
        return {shortSide, longSide, envelope};
    return {longSide, shortSide, envelope};
}

FakeDocument& FakePrinter::current()
{
    if (!m_open) {
        documents.push_back({});
        documents.back().orientation = m_orientation;
        documents.back().paper = m_paper;
        m_open = true;
    }
    return documents.back();
}

void FakePrinter::drawText(const PlacedText& run)
{
    ++m_draws;
    if (failAtDraw != 0 && m_draws == failAtDraw)
        throw AppError::printerError();
    current().runs.push_back(run);
}

void FakePrinter::newPage()
{
    ++current().pages;
}

void FakePrinter::endDocument()
{
    current().ended = true;
    m_open = false;
}

void FakePrinter::abandonDocument()
{
    if (!m_open)
        return;
    current().abandoned = true;
    m_open = false;
}

FakePlatform::FakePlatform()
{
    folder = m_dir.path();
}

std::vector<FakeDocument> FakePlatform::allDocuments() const
{
    std::vector<FakeDocument> all;
    for (const FakePrinter* printer : printers)
        all.insert(all.end(), printer->documents.begin(), printer->documents.end());
    return all;
}

MessageAnswer FakePlatform::messageBox(const QString& text, const QString& title, MessageButtons buttons,
                                       MessageIcon icon)
{
    messages.push_back({text, title, buttons, icon});
    if (!messageAnswers.empty()) {
        const MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
        return MessageAnswer::Retry;
    }
    return MessageAnswer::Ok;
}

QString FakePlatform::inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer)
{
    prompts.push_back({prompt, title, defaultAnswer});
    if (inputAnswers.empty())
        return defaultAnswer;
    const std::optional<QString> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer.value_or(QString());
}

std::optional<FileDialogAnswer> FakePlatform::openFileDialog(const FileDialogRequest& request)
{
    fileRequests.push_back(request);
    if (onFileDialog)
        onFileDialog(request);
    if (fileAnswers.empty())
        return std::nullopt;
    const std::optional<FileDialogAnswer> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<PrintChoice> FakePlatform::printDialog(const PrintDialogRequest& request)
{
    printRequests.push_back(request);
    PrintAnswer answer;
    if (!printAnswers.empty()) {
        answer = printAnswers.front();
        printAnswers.pop_front();
    }
    if (answer.cancel)
        return std::nullopt;
    if (answer.device) {
        PrintChoice choice;
        choice.printer = answer.device();
        choice.copies = answer.copies;
        choice.selectionChosen = answer.selection;
        return choice;
    }

    auto printer = std::make_unique<FakePrinter>();
    printer->name = answer.deviceName;
    printer->failAtDraw = answer.failAtDraw;
    printer->dialogPaper = answer.paper;
    printers.push_back(printer.get());

    PrintChoice choice;
    choice.printer = calibratedPrinter(*this, keepPrinter(std::move(printer)));
    choice.copies = answer.copies;
    choice.selectionChosen = answer.selection;
    return choice;
}

std::unique_ptr<PrinterDevice> FakePlatform::previewPrinter()
{
    auto printer = std::make_unique<FakePrinter>();
    previewPrinters.push_back(printer.get());
    return keepPrinter(std::move(printer));
}

std::unique_ptr<PrinterDevice> FakePlatform::keepPrinter(std::unique_ptr<FakePrinter> printer)
{
    // The caller owns the printer it gets; a recording twin stays here for the test.
    class Forwarding : public PrinterDevice {
    public:
        explicit Forwarding(FakePrinter* target) : m_target(target) {}
        QString deviceName() const override { return m_target->deviceName(); }
        void setOrientation(Orientation o) override { m_target->setOrientation(o); }
        void setPaperSize(PaperSize s) override { m_target->setPaperSize(s); }
        void feedEnvelope(double w, double h) override { m_target->feedEnvelope(w, h); }
        double averageCharWidth(const PrintFont& f) override { return m_target->averageCharWidth(f); }
        double textWidth(const PrintFont& f, const QString& t) override { return m_target->textWidth(f, t); }
        PageGeometry page() override { return m_target->page(); }
        void drawText(const PlacedText& run) override { m_target->drawText(run); }
        void drawRule(const PlacedRule& rule) override { m_target->drawRule(rule); }
        void newPage() override { m_target->newPage(); }
        void endDocument() override { m_target->endDocument(); }
        void abandonDocument() override { m_target->abandonDocument(); }

    private:
        FakePrinter* m_target;
    };

    FakePrinter* target = printer.get();
    m_keep.push_back(std::move(printer));
    return std::make_unique<Forwarding>(target);
}

void FakePlatform::writeSetting(const QString& appTitle, const QString& section, const QString& key,
                                const QString& value)
{
    Q_UNUSED(appTitle);
    settings.insert(section + u'/' + key, value);
}
