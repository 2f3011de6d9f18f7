#include "batch/BatchPlatform.h"

#include "batch/PrinterTarget.h"
#include "platform/SettingsStore.h"

namespace Batch {

BatchPlatform::BatchPlatform(QTextStream& messages, PrintTarget target, int copies, QString programFolder)
    : m_messages(messages), m_target(std::move(target)), m_copies(copies), m_programFolder(std::move(programFolder))
{
}

MessageAnswer BatchPlatform::safeAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::No;
    case MessageButtons::RetryCancel:
        // Retry would meet the same failure again, with nobody to stop it.
        return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

MessageAnswer BatchPlatform::messageBox(const QString& text, const QString& title, MessageButtons buttons,
                                        MessageIcon)
{
    const QString line = title.isEmpty() ? text : title + QStringLiteral(": ") + text;
    m_shown << line;
    m_messages << line << Qt::endl;
    return safeAnswer(buttons);
}

QString BatchPlatform::inputBox(const QString&, const QString&, const QString&)
{
    return QString(); // Cancel
}

std::optional<FileDialogAnswer> BatchPlatform::openFileDialog(const FileDialogRequest&)
{
    return std::nullopt;
}

std::optional<PrintChoice> BatchPlatform::printDialog(const PrintDialogRequest&)
{
    PrintChoice choice;
    choice.printer = makePrinterDevice(*this, m_target);
    choice.copies = m_copies;
    return choice;
}

QString BatchPlatform::readSetting(const QString& appTitle, const QString& section, const QString& key)
{
    return readStoredSetting(appTitle, section, key);
}

QStringList BatchPlatform::printerNames()
{
    return installedPrinters();
}

} // namespace Batch
