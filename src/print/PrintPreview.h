#pragma once

#include "platform/Platform.h"
#include "print/Composer.h"
#include "print/ContactDetailsPrintout.h"
#include "print/ContactReport.h"
#include "print/ListLabels.h"

#include <QRectF>
#include <vector>

// What a printout is printed on, for the outlines a preview draws over its pages.
enum class PreviewStock { Plain, ThirtyLabels, EightyLabels, Envelope };

// Where the stock lies on a page of that geometry, in points from the page's top-left corner:
// a label sheet upright on a page that stands, turned a quarter counter-clockwise on one that lies
// on its side (as printers turn landscape pages); an envelope is the page itself when the page
// is envelope paper. Nothing for plain paper.
std::vector<QRectF> stockOutlines(PreviewStock stock, const PageGeometry& page);

// The platform a preview runs the print code on: everything goes to the platform it wraps,
// but the print dialog. That answers one copy on a printer that keeps what is drawn on it,
// laid out on the platform's preview printer; nothing is printed.
class PreviewPlatform : public Platform {
public:
    PreviewPlatform(Platform& inner, PreviewStock stock) : m_inner(inner), m_stock(stock) {}

    // After the print code has returned: shows the pages it drew, unless it drew none or gave
    // up on a document (it has shown why). True when shown.
    bool showDrawn();

    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request) override;

    MessageAnswer messageBox(const QString& text, const QString& title, MessageButtons buttons,
                             MessageIcon icon) override
    {
        return m_inner.messageBox(text, title, buttons, icon);
    }
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer) override
    {
        return m_inner.inputBox(prompt, title, defaultAnswer);
    }
    void beep() override { m_inner.beep(); }
    std::optional<FileDialogAnswer> openFileDialog(const FileDialogRequest& request) override
    {
        return m_inner.openFileDialog(request);
    }
    std::unique_ptr<PrinterDevice> previewPrinter() override { return m_inner.previewPrinter(); }
    void showPreview(const PreviewDocument& document) override { m_inner.showPreview(document); }
    void clearClipboard() override { m_inner.clearClipboard(); }
    void setClipboardText(const QString& text) override { m_inner.setClipboardText(text); }
    QString clipboardText() override { return m_inner.clipboardText(); }
    void writeSetting(const QString& appTitle, const QString& section, const QString& key,
                      const QString& value) override
    {
        m_inner.writeSetting(appTitle, section, key, value);
    }
    QString readSetting(const QString& appTitle, const QString& section, const QString& key) override
    {
        return m_inner.readSetting(appTitle, section, key);
    }
    QStringList printerNames() override { return m_inner.printerNames(); }
    bool openDocument(const QString& pathOrUrl) override { return m_inner.openDocument(pathOrUrl); }
    bool startProgram(const QString& path) override { return m_inner.startProgram(path); }
    QString registryValue(const QString& key, const QString& valueName) override
    {
        return m_inner.registryValue(key, valueName);
    }
    QString documentsFolder() override { return m_inner.documentsFolder(); }
    QString programFolder() override { return m_inner.programFolder(); }
    QString helpFolder() override { return m_inner.helpFolder(); }
    QString userFilesFolder() override { return m_inner.userFilesFolder(); }
    QDate today() override { return m_inner.today(); }

    // What the printers handed out have drawn, and whether one gave up on a document.
    struct Record {
        PreviewDocument document;
        int documentsEnded = 0;
        bool abandoned = false;
    };

private:
    Platform& m_inner;
    PreviewStock m_stock;
    Record m_record;
};

// The previews: the same checks and messages as the print commands, then the pages on screen.
// None changes what it is given, and each returns true when it showed pages.

// The main window's Print; labels use none of the sheet's positions.
bool previewComposer(Platform& platform, const Composer& composer);
bool previewListLabels(Platform& platform, const std::vector<int>& recordNumbers, const RecordReader& read);
// The whole report (a preview offers no Selection).
bool previewContactReport(Platform& platform, const ReportRequest& request);
bool previewContactDetails(Platform& platform, const ContactDetails& details);
