#include "app/StartArguments.h"
#include "app/frmLDeded.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTextStream>
#include <QTimer>

namespace {

// Help, version and refusals need no window, and no display either.
int answerWithoutWindow(const StartArguments& start)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QtPlatform platform;
    switch (start.outcome) {
    case StartArguments::Help:
        out << startHelp(platform.helpFolder(), platform.userFilesFolder(),
                         QSettings(QStringLiteral("Tessaprint"), QStringLiteral("Tessaprint")).fileName());
        return 0;
    case StartArguments::Version:
        out << versionLine(QStringLiteral("tessaprint"));
        return 0;
    case StartArguments::Refused:
        err << "tessaprint: " << start.text << Qt::endl;
        return kStartRefused;
    case StartArguments::UsageError:
        err << "tessaprint: " << start.text << Qt::endl << "Try 'tessaprint --help'." << Qt::endl;
        return kStartUsage;
    case StartArguments::Run:
        break;
    }
    err << noDisplayMessage();
    return kStartRefused;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tessaprint"));
    // Without a display Qt would abort in its platform plugin; a core application reads the line.
    if (!displayAvailable()) {
        QCoreApplication app(argc, argv);
        return answerWithoutWindow(readStartArguments(QCoreApplication::arguments()));
    }
    QApplication app(argc, argv);
    const StartArguments start = readStartArguments(QApplication::arguments());
    if (start.outcome != StartArguments::Run)
        return answerWithoutWindow(start);

    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tessaprint.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaprint.Tessaprint"));

    QtPlatform platform;
    frmLDeded window(platform);
    platform.setDialogParent(&window);
    window.show();
    if (!start.file.isEmpty()) {
        platform.answerNextFileDialog(start.file);
        QTimer::singleShot(0, &window, &frmLDeded::mnuFileOpen_Click);
    }
    return QApplication::exec();
}
