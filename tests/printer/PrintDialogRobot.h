#pragma once

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

// Answers the real dialogs while the code under test waits in them, as a user would: the print
// dialog with the named printer chosen, a message box with OK (its text kept).
class PrintDialogRobot {
public:
    explicit PrintDialogRobot(const QString& printer) : m_printer(printer)
    {
        m_timer.setInterval(50);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    // What the dialog handed out once accepted.
    bool printerChosen = false;
    QString chosenName;
    QPrinter::OutputFormat chosenFormat = QPrinter::PdfFormat;
    QStringList messages;

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
            for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
                const int index = box->findText(m_printer);
                if (index >= 0)
                    box->setCurrentIndex(index);
            }
            dialog->accept();
            printerChosen = true;
            chosenName = dialog->printer()->printerName();
            chosenFormat = dialog->printer()->outputFormat();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->done(QMessageBox::Ok);
        }
    }

    QString m_printer;
    QTimer m_timer;
};
