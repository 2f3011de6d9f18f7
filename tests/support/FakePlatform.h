#pragma once

#include "platform/Platform.h"

#include <QMap>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <vector>

// A printout as the line printer sent it: each document's pages of placed text.
struct FakeDocument {
    std::vector<PlacedText> runs;
    std::vector<PlacedRule> rules;
    int pages = 1;
    Orientation orientation = Orientation::Portrait;
    std::optional<PaperSize> paper;
    std::optional<std::pair<double, double>> envelopeFed;
    bool ended = false;
    bool abandoned = false;
};

// Fixed metrics: every font's character is 0.6 of its point size wide, so a Courier column
// at 10 points is 6 points (1/12 inch). The page is what a printer's would be: letter or
// envelope #10 (the paper the dialog left, until the program names one), turned by the
// orientation, with the origin and printable height every printer device uses.
// Like a printer (not a file), it leaves an envelope's feed to its driver.
class FakePrinter : public PrinterDevice {
public:
    QString name = QStringLiteral("Fake Printer");
    PaperSize dialogPaper = PaperSize::Letter;
    std::vector<FakeDocument> documents;
    // Throws a printer error at this drawText call (1-based over the whole run); 0 never.
    int failAtDraw = 0;

    QString deviceName() const override { return name; }
    void setOrientation(Orientation orientation) override;
    void setPaperSize(PaperSize size) override;
    void feedEnvelope(double widthInches, double heightInches) override
    {
        current().envelopeFed = std::pair{widthInches, heightInches};
    }
    double averageCharWidth(const PrintFont& font) override { return font.pointSize * 0.6; }
    double textWidth(const PrintFont& font, const QString& text) override
    {
        return font.pointSize * 0.6 * text.size();
    }
    PageGeometry page() override;
    void drawText(const PlacedText& run) override;
    void drawRule(const PlacedRule& rule) override { current().rules.push_back(rule); }
    void newPage() override;
    void endDocument() override;
    void abandonDocument() override;

    FakeDocument& current();

private:
    bool m_open = false;
    int m_draws = 0;
    Orientation m_orientation = Orientation::Portrait;
    std::optional<PaperSize> m_paper;
};

struct RecordedMessage {
    QString text;
    QString title;
    MessageButtons buttons;
    MessageIcon icon;
};

struct RecordedPrompt {
    QString prompt;
    QString title;
    QString defaultAnswer;
};

// Answers from a script and records every message, prompt, beep and printout. Its own printers
// are printers, not files: like the real dialog's, they come in their stored calibration.
class FakePlatform : public Platform {
public:
    FakePlatform();

    // Scripts, consumed front first. An empty message script answers the first button
    // (Ok, Yes or Retry); an empty input script answers the default.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<QString>> inputAnswers; // nullopt = Cancel
    std::deque<std::optional<FileDialogAnswer>> fileAnswers; // empty script = cancel
    // Called inside openFileDialog, while the dialog would be up, before it answers.
    std::function<void(const FileDialogRequest&)> onFileDialog;
    struct PrintAnswer {
        bool cancel = false;
        int copies = 1;
        QString deviceName = QStringLiteral("Fake Printer");
        int failAtDraw = 0;
        bool selection = false;
        // The paper chosen in the dialog.
        PaperSize paper = PaperSize::Letter;
        // When set, the dialog hands out this printer instead of a recording one.
        std::function<std::unique_ptr<PrinterDevice>()> device;
    };
    std::deque<PrintAnswer> printAnswers; // empty script = one copy on "Fake Printer"

    // Records.
    std::vector<RecordedMessage> messages;
    std::vector<RecordedPrompt> prompts;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<PrintDialogRequest> printRequests;
    int beeps = 0;
    // Every printer the dialog handed out, in order; they live as long as the platform.
    std::vector<FakePrinter*> printers;
    // The printers previews were laid out on (the same fake printer the dialog hands out, on
    // letter paper), and every document shown as a preview.
    std::vector<FakePrinter*> previewPrinters;
    std::vector<PreviewDocument> previews;
    QMap<QString, QString> settings; // "section/key" -> value
    QStringList installedPrinters = {QStringLiteral("Fake Printer")};
    QStringList opened;
    QStringList started;
    // Programs that fail to start.
    QStringList unstartable;
    // "key|valueName" -> text value.
    QMap<QString, QString> registry;
    QString documents = QStringLiteral("/home/user/Documents");

    QString clipboard;
    QString folder;
    // Where the help documents lie, and where new files and exports go; empty: the program
    // folder, as in a build.
    QString helpDocuments;
    QString userFiles;
    QDate todayDate = QDate(2026, 6, 1);

    // All documents of every print dialog, in order.
    std::vector<FakeDocument> allDocuments() const;

    MessageAnswer messageBox(const QString& text, const QString& title, MessageButtons buttons,
                             MessageIcon icon) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer) override;
    void beep() override { ++beeps; }
    std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest& request) override;
    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request) override;
    std::unique_ptr<PrinterDevice> previewPrinter() override;
    void showPreview(const PreviewDocument& document) override { previews.push_back(document); }
    void clearClipboard() override { clipboard.clear(); }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    void writeSetting(const QString& appTitle, const QString& section, const QString& key,
                      const QString& value) override;
    QString readSetting(const QString& appTitle, const QString& section, const QString& key) override
    {
        Q_UNUSED(appTitle);
        return settings.value(section + u'/' + key);
    }
    QStringList printerNames() override { return installedPrinters; }
    // Documents and addresses no program opens.
    QStringList unopenable;
    bool openDocument(const QString& pathOrUrl) override
    {
        if (unopenable.contains(pathOrUrl))
            return false;
        opened << pathOrUrl;
        return true;
    }
    bool startProgram(const QString& path) override
    {
        if (unstartable.contains(path))
            return false;
        started << path;
        return true;
    }
    QString registryValue(const QString& key, const QString& valueName) override
    {
        return registry.value(key + u'|' + valueName);
    }
    QString documentsFolder() override { return documents; }
    QString programFolder() override { return folder; }
    QString helpFolder() override { return helpDocuments.isEmpty() ? folder : helpDocuments; }
    QString userFilesFolder() override { return userFiles.isEmpty() ? folder : userFiles; }
    QDate today() override { return todayDate; }

private:
    std::unique_ptr<PrinterDevice> keepPrinter(std::unique_ptr<FakePrinter> printer);

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<FakePrinter>> m_keep;
};
