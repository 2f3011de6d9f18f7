#include "batch/BatchCommands.h"
#include "batch/BatchPlatform.h"
#include "batch/PrinterTarget.h"
#include "platform/ProgramLayout.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// Qt's own warnings are for developers; the error output carries the program's messages.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("TESSAPRINT_QT_WARNINGS"))
        qInstallMessageHandler(keepSeriousMessages);
    // Printers and fonts need a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Tessaprint"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const Batch::Parsed parsed = Batch::parseArguments(QGuiApplication::arguments().mid(1));
    if (parsed.outcome == Batch::Parsed::Help || parsed.outcome == Batch::Parsed::Version) {
        out << parsed.text;
        return Batch::kDone;
    }
    if (parsed.outcome == Batch::Parsed::UsageError) {
        err << "tessaprint-batch: " << parsed.text << Qt::endl
            << "Try 'tessaprint-batch --help'." << Qt::endl;
        return Batch::kUsage;
    }

    Batch::Request request = parsed.request;
    // The export goes where the program's own files are, as in the desktop program, unless told;
    // an installed program's files are not the user's, so it then goes, and says it goes, to
    // the documents folder.
    const QString programFolder = QGuiApplication::applicationDirPath();
    if (request.command == Batch::Command::Export && request.folder.isEmpty() && programLayout(programFolder).installed)
        request.folder = userDocumentsFolder();
    const QString folder = request.folder.isEmpty() ? programFolder : QDir(request.folder).absolutePath();
    Batch::BatchPlatform platform(err, request.target, request.copies, folder);
    return Batch::runCommand(platform, request, Batch::printerInstalled);
}
