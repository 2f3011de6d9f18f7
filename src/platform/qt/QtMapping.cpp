#include "platform/qt/QtMapping.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPrintDialog>
#include <QStringList>

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton defaultQtButton(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int qtButton)
{
    switch (qtButton) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    default:
        return MessageAnswer::Ok;
    }
}

QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (description.contains(u'(') || pattern.isEmpty())
            filters << description;
        else
            filters << description + QStringLiteral(" (") + QString(pattern).replace(u';', u' ') + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

// The page range choices of Qt's dialog, switched off once the dialog has set up its widgets.
class PageRangeOff : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            for (const char* name : {"printRange", "pagesRadioButton"})
                if (auto* button = watched->findChild<QAbstractButton*>(QLatin1String(name)))
                    button->setEnabled(false);
        }
        return false;
    }
};

} // namespace

void configurePrintDialog(QPrintDialog& dialog, const PrintDialogRequest& request)
{
    // "Print to File" stays: it is how a user without a printer keeps or checks a sheet.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, request.offerSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.offerPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (request.offerPageRange) {
        dialog.setMinMax(request.minPage, request.maxPage);
        dialog.setFromTo(request.minPage, request.maxPage);
    } else {
        dialog.installEventFilter(new PageRangeOff(&dialog));
    }
}
