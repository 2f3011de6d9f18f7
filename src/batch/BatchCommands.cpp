#include "batch/BatchCommands.h"

#include "batch/PdfTarget.h"
#include "contacts/ContactSession.h"
#include "contacts/ErrorMessage.h"
#include "contacts/FileCommands.h"
#include "contacts/FileErrors.h"
#include "contacts/StoredText.h"
#include "exchange/CsvImport.h"
#include "platform/Platform.h"
#include "print/ContactReport.h"
#include "print/EnvelopeSizes.h"
#include "print/ListLabels.h"
#include "print/PositionDialog.h"
#include "print/PrintCommand.h"
#include "print/ReturnAddressFlow.h"
#include "print/ReturnAddressSheet.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace Batch {

namespace {

int refuse(Platform& platform, const QString& text, const QString& title)
{
    platform.beep();
    platform.messageBox(text, title, MessageButtons::Ok, MessageIcon::Exclamation);
    return kRefused;
}

int statusOf(bool done)
{
    return done ? kDone : kRefused;
}

// Checks made before anything is printed, so that a wrong target prints nothing at all.
int checkTarget(Platform& platform, const Request& request, const PrinterLookup& printerExists)
{
    const PrintTarget& target = request.target;
    if (!target.printerName.isEmpty()) {
        if (printerExists && !printerExists(target.printerName))
            return refuse(platform, QStringLiteral("There is no printer named \"%1\".").arg(target.printerName),
                          QStringLiteral("Printer not found"));
        return kDone;
    }
    const QFileInfo pdf(target.pdfPath);
    if (!pdf.isDir() && !pdf.absoluteDir().exists())
        return refuse(platform, QStringLiteral("The folder %1 does not exist.").arg(pdf.absolutePath()),
                      QStringLiteral("PDF file"));
    // Never onto the input, nor over a file that is not a PDF.
    if (const QString problem = pdfTargetProblem(target.pdfPath, request.copies, request.contactFile);
        !problem.isEmpty())
        return refuse(platform, problem, QStringLiteral("PDF file"));
    return kDone;
}

// The file for a writer, under its lock: while another Tessaprint holds it, tries again until
// the wait is over, then refuses having written nothing.
void openForWriting(ContactFile& file, const QString& path, int waitSeconds)
{
    const QDeadlineTimer deadline{std::chrono::seconds(waitSeconds)};
    for (;;) {
        try {
            file.open(path);
            return;
        } catch (const FileErrors::FileInUse& inUse) {
            if (deadline.hasExpired())
                throw AppError::refusal(inUse.number(), inUse.description(),
                                        inUse.sentence(QFileInfo(path).fileName())
                                            + QStringLiteral(" Nothing was written: close it there, or wait "
                                                             "longer (--wait SECONDS), and try again."),
                                        QStringLiteral("Contact file in use"));
            QThread::msleep(100);
        }
    }
}

// The contact file as File > Open leaves the session, without the dialog and the birthday
// check; a missing file is created only when asked (File > New). Only the import writes: it
// waits for the file's lock; the others read without it, whoever holds it.
int openContactFile(Platform& platform, ContactSession& session, const Request& request)
{
    const QFileInfo info(request.contactFile);
    if (info.isDir())
        return refuse(platform, QStringLiteral("%1 is a folder, not a contact file.").arg(request.contactFile),
                      QStringLiteral("No contact file"));
    if (!info.exists() && !request.create)
        return refuse(platform, QStringLiteral("There is no contact file %1.").arg(request.contactFile),
                      QStringLiteral("No contact file"));
    try {
        if (request.command == Command::Import)
            openForWriting(session.file, info.absoluteFilePath(), request.waitSeconds);
        else
            session.file.openReadOnly(info.absoluteFilePath(), QString());
    } catch (...) {
        showErrorMessage(platform, asAppError(std::current_exception()));
        return kRefused;
    }
    session.txtFileNam = info.absoluteFilePath();
    session.txtFileTitle = fileTitleFromName(info.fileName());
    return kDone;
}

// Get report, as the list window's button runs it; the lines in list order, or none after a message.
std::optional<std::vector<ContactList::ListLine>> listContacts(Platform& platform, ContactSession& session,
                                                               const Request& request)
{
    const ContactList::ListingResult listed =
        ContactList::getReport(platform, session, {request.searchMode, request.searchText, request.sortOrder});
    // Nothing found is said by its message, and then printed as the window prints its empty list.
    if (listed.outcome != ContactList::ListingResult::Listed && listed.outcome != ContactList::ListingResult::NoneFound)
        return std::nullopt;
    return listed.lines;
}

int printListed(Platform& platform, const Request& request)
{
    ContactSession session;
    if (openContactFile(platform, session, request) != kDone)
        return kRefused;
    const auto lines = listContacts(platform, session, request);
    if (!lines)
        return kRefused;
    if (request.command == Command::ListLabels) {
        std::vector<int> records;
        records.reserve(lines->size());
        for (const ContactList::ListLine& line : *lines)
            records.push_back(line.record);
        ContactFile& file = session.file;
        // Nobody to ask whether labels that will not fit go out anyway: they do, with a warning.
        return statusOf(printListLabels(platform, records, [&file](int record) { return file.read(record); },
                                        UnfitLabels::Warn)
                        == PrintOutcome::Printed);
    }
    ReportRequest report;
    for (const ContactList::ListLine& line : *lines)
        report.lines << line.text;
    report.fileTitle = session.txtFileTitle;
    return statusOf(printContactReport(platform, report) == PrintOutcome::Printed);
}

int importCsv(Platform& platform, const Request& request)
{
    const QFileInfo csv(request.csvFile);
    const bool vCard = request.importFormat == ImportFormat::VCard;
    if (!csv.isFile())
        return refuse(platform, QStringLiteral("There is no file %1 to import.").arg(request.csvFile),
                      vCard ? QStringLiteral("No vCard file selected") : QStringLiteral("No csv file selected"));
    const bool created = !QFileInfo::exists(request.contactFile);
    ContactSession session;
    if (openContactFile(platform, session, request) != kDone)
        return kRefused;
    // A file made for an import that brought nothing is not left behind.
    const auto dropIfCreatedEmpty = [&] {
        if (created && session.file.length() == 0) {
            session.reset();
            QFile::remove(QFileInfo(request.contactFile).absoluteFilePath());
        }
    };
    bool remindersOn = true;
    try {
        // The reminder switch lives in record 1; a file without records has it on, as File > New leaves it.
        if (session.file.recordCount() > 0)
            remindersOn = session.file.read(1).BirthdayReminder == QLatin1String("1");
    } catch (...) {
        showErrorMessage(platform, asAppError(std::current_exception()), importErrorSuffix);
        return kRefused;
    }
    const ImportResult result = importContacts(platform, session.file, {csv.absoluteFilePath(), remindersOn, request.importFormat});
    for (const QString& contact : result.changedContacts)
        platform.messageBox(contact, unstorableTitle, MessageButtons::Ok, MessageIcon::None);
    if (result.outcome != ImportResult::Done)
        dropIfCreatedEmpty();
    return statusOf(result.outcome == ImportResult::Done);
}

int exportContacts(Platform& platform, const Request& request)
{
    if (!request.folder.isEmpty() && !QFileInfo(request.folder).isDir())
        return refuse(platform, QStringLiteral("There is no folder %1.").arg(request.folder),
                      QStringLiteral("Export file not created"));
    ContactSession session;
    if (openContactFile(platform, session, request) != kDone)
        return kRefused;
    ExportRequest exporting{request.exportKind, session.txtFileNam, request.vCardVersion};
    // A search exports the contacts it lists, as the list shows them.
    if (request.searchMode != ContactList::SearchMode::All) {
        const auto lines = listContacts(platform, session, request);
        if (!lines)
            return kRefused;
        exporting.records.emplace();
        for (const ContactList::ListLine& line : *lines)
            exporting.records->push_back(line.record);
    }
    const ExportResult result = ::exportContacts(platform, session.file, exporting);
    // The message above names the program's folder; --folder chose another.
    if (result.outcome == ExportResult::Created && !request.folder.isEmpty())
        platform.messageBox(QStringLiteral("The file is ") + QDir::toNativeSeparators(result.path) + u'.',
                            QStringLiteral("Export file created"), MessageButtons::Ok, MessageIcon::None);
    return statusOf(result.outcome == ExportResult::Created);
}

} // namespace

std::optional<Composer> composerFor(Platform& platform, const Request& request)
{
    Composer composer;
    composer.lines = request.lines;
    composer.centered = request.centered;
    composer.leftJustified = !request.centered;
    // The window starts with the margins of Portrait and no size chosen.
    QString leftPad = QStringLiteral("2");
    QString topPad = QStringLiteral("3");
    composer.envelopeSizeNumber = QStringLiteral("0");

    if (request.command == Command::Labels) {
        // Label stock: Portrait, the position prompt answered once; a refused answer ends here.
        PositionRange held;
        const PositionAnswer judged = judgePositionAnswer(request.position, held);
        if (judged.refusal) {
            showPositionRefusal(platform, *judged.refusal);
            return std::nullopt;
        }
        const PositionDialogResult& result = judged.result;
        composer.labelStock = result.chosen;
        composer.positionEntry = result.positionEntry;
        composer.startPosition = result.range.start;
        composer.endPosition = result.range.end;
        composer.labelCount = result.range.count;
        composer.positionCaption = result.caption;
        leftPad = QString::number(result.margins.indent);
        topPad = QString::number(result.margins.padRows);
        // Landscape after the prompt keeps the label's margins.
        composer.portrait = request.portrait.value_or(true);
    } else {
        // Envelope (Landscape), then the size picked from the list, then the options.
        composer.envelope = true;
        composer.portrait = false;
        if (request.envelopeSize > 0) {
            const EnvelopeSizeChoice choice = envelopeSizePicked(request.envelopeSize - 1);
            composer.envelopeSizeNumber = choice.sizeNumber;
            if (choice.margins) {
                leftPad = QString::number(choice.margins->indent);
                topPad = QString::number(choice.margins->padRows);
            }
            // Bold and Large font show once a size is picked.
            composer.boldVisible = true;
            composer.bold = request.bold;
            composer.largeFont = request.largeFont;
        }
        if (request.portrait.value_or(false)) {
            composer.portrait = true;
            leftPad = QStringLiteral("2");
            topPad = QStringLiteral("3");
        }
    }
    composer.leftPad = request.indent.value_or(leftPad);
    composer.topPad = request.padRows.value_or(topPad);
    return composer;
}

int runCommand(Platform& platform, const Request& request, const PrinterLookup& printerExists)
{
    if (request.prints() && checkTarget(platform, request, printerExists) != kDone)
        return kRefused;

    switch (request.command) {
    case Command::Labels:
    case Command::Envelope: {
        std::optional<Composer> composer = composerFor(platform, request);
        if (!composer)
            return kRefused;
        return statusOf(printComposer(platform, *composer));
    }
    case Command::ReturnAddress:
        if (refuseUnfitReturnAddress(platform, request.lines) != ReturnAddressLines::Fit)
            return kRefused;
        return statusOf(printReturnAddressSheets(platform, {request.lines[0], request.lines[1], request.lines[2]})
                        == PrintOutcome::Printed);
    case Command::ListLabels:
    case Command::Report:
        return printListed(platform, request);
    case Command::Import:
        return importCsv(platform, request);
    case Command::Export:
        return exportContacts(platform, request);
    }
    return kRefused;
}

} // namespace Batch
