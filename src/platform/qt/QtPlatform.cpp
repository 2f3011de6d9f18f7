#include "platform/qt/QtPlatform.h"

#include "platform/ProgramLayout.h"
#include "platform/qt/QtMapping.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <utility>

MessageAnswer QtPlatform::messageBox(const QString& text, const QString& title, MessageButtons buttons,
                                     MessageIcon icon)
{
    QMessageBox box(toQtIcon(icon), title, text, toQtButtons(buttons), m_parent);
    box.setDefaultButton(defaultQtButton(buttons));
    return answerOf(box.exec());
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title, const QString& defaultAnswer)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultAnswer);
    // The prompts run to several sentences; wrapped, they keep the dialog a sensible width.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setWordWrap(true);
    dialog.setMinimumWidth(420);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

std::optional<FileDialogAnswer> QtPlatform::openFileDialog(const FileDialogRequest& request)
{
    if (!m_nextFile.isEmpty()) {
        const QString path = QFileInfo(std::exchange(m_nextFile, QString())).absoluteFilePath();
        return FileDialogAnswer{path, QFileInfo(path).fileName()};
    }
    QFileDialog dialog(m_parent, request.title, request.initialFolder, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // New names a file that does not exist yet.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    return FileDialogAnswer{path, QFileInfo(path).fileName()};
}

void QtPlatform::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtPlatform::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void QtPlatform::writeSetting(const QString& appTitle, const QString& section, const QString& key,
                              const QString& value)
{
    writeStoredSetting(appTitle, section, key, value);
}

QString QtPlatform::readSetting(const QString& appTitle, const QString& section, const QString& key)
{
    return readStoredSetting(appTitle, section, key);
}

namespace {

// Whether the desktop names a program for this kind of file or address. The opener runs
// detached and says nothing when it finds none, so the desktop's own table is asked first; a
// desktop without xdg-mime is trusted to have one.
bool desktopHasProgramFor(const QString& mimeType)
{
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return true;
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!process.waitForFinished(5000))
        return true;
    return !process.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool QtPlatform::openDocument(const QString& pathOrUrl)
{
    const bool isWebAddress = pathOrUrl.contains(QStringLiteral("://"));
    if (!isWebAddress && !QFileInfo::exists(pathOrUrl))
        return false;
    const QUrl url = isWebAddress ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl);
    const QString kind = isWebAddress ? QStringLiteral("x-scheme-handler/") + url.scheme()
                                      : QMimeDatabase().mimeTypeForFile(pathOrUrl).name();
    return desktopHasProgramFor(kind) && QDesktopServices::openUrl(url);
}

bool QtPlatform::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {});
}

QString QtPlatform::registryValue(const QString& key, const QString& valueName)
{
    // There is no registry here: the system-information tool is whichever well-known one
    // is installed. The tool's folder (the other look-up) has no counterpart.
    if (key.compare(QLatin1String(kSystemInfoKey), Qt::CaseInsensitive) != 0
        || valueName.compare(QLatin1String("PATH"), Qt::CaseInsensitive) != 0)
        return QString();
    for (const char* tool : {"gnome-system-monitor", "kinfocenter", "hardinfo", "hardinfo2",
                             "mate-system-monitor", "xfce4-taskmanager"}) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(tool));
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

QString QtPlatform::documentsFolder()
{
    return userDocumentsFolder();
}

QString QtPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::helpFolder()
{
    return programLayout(programFolder()).helpFolder;
}

QString QtPlatform::userFilesFolder()
{
    return programLayout(programFolder()).installed ? documentsFolder() : programFolder();
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}
