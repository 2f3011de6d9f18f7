#include "platform/QtPlatform.h"

#include "platform/QtMapping.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QUrl>


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
    QSettings settings(QStringLiteral("Tessaprint"), appTitle);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
}

void QtPlatform::openDocument(const QString& pathOrUrl)
{
    const bool isWebAddress = pathOrUrl.contains(QStringLiteral("://"));
    QDesktopServices::openUrl(isWebAddress ? QUrl(pathOrUrl) : QUrl::fromLocalFile(pathOrUrl));
}

void QtPlatform::startProgram(const QString& path)
{
    QProcess::startDetached(path, {});
}

QString QtPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}
