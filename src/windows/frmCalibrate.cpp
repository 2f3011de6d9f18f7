#include "windows/frmCalibrate.h"

#include "contacts/ContactSession.h"
#include "platform/Platform.h"
#include "print/CalibrationCommand.h"
#include "ui_frmCalibrate.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"

#include <QCloseEvent>
#include <QRegularExpressionValidator>
#include <QShowEvent>

frmCalibrate::frmCalibrate(Platform& platform, MainWindowLink& main, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmCalibrate>()), m_platform(platform), m_main(main)
{
    ui->setupUi(this);
    applyFormHints(this);
    // Keys that cannot make a number are refused as they are typed; the range is Save's to check.
    const QRegularExpression offset(QStringLiteral("[+-]?[0-9]{0,3}"));
    const QRegularExpression percent(QStringLiteral("[0-9]{0,3}([.,][0-9]{0,2})?%?"));
    ui->txtCalOffsetX->setValidator(new QRegularExpressionValidator(offset, this));
    ui->txtCalOffsetY->setValidator(new QRegularExpressionValidator(offset, this));
    ui->txtCalScale->setValidator(new QRegularExpressionValidator(percent, this));
    connect(ui->cboCalPrinter, &QComboBox::activated, this, &frmCalibrate::cboCalPrinter_Click);
    connect(ui->cmdCalSave, &QPushButton::clicked, this, &frmCalibrate::cmdCalSave_Click);
    connect(ui->cmdCalPrint, &QPushButton::clicked, this, &frmCalibrate::cmdCalPrint_Click);
    connect(ui->cmdCalClose, &QPushButton::clicked, this, &frmCalibrate::cmdCalClose_Click);
}

frmCalibrate::~frmCalibrate() = default;

void frmCalibrate::fillPrinters(const QString& select)
{
    ui->cboCalPrinter->clear();
    QStringList names = m_platform.printerNames();
    // A printer the sheet went to stays choosable even when the list did not name it.
    if (!select.isEmpty() && !names.contains(select))
        names << select;
    ui->cboCalPrinter->addItems(names);
    const int index = ui->cboCalPrinter->findText(select);
    ui->cboCalPrinter->setCurrentIndex(index >= 0 ? index : (names.isEmpty() ? -1 : 0));
}

// Every opening shows the printers set up now, and the stored values of the first (or the one
// chosen before).
void frmCalibrate::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        fillPrinters(ui->cboCalPrinter->currentText());
        ui->lblCalStatus->clear();
        cboCalPrinter_Click();
    }
    QDialog::showEvent(event);
}

void frmCalibrate::closeEvent(QCloseEvent* event)
{
    // Hidden already when the program ends and the main window closes every window.
    if (isVisible())
        m_main.returnHere(this);
    event->accept();
}

void frmCalibrate::apply(const CalibrationResult& result)
{
    if (result.printer != ui->cboCalPrinter->currentText())
        fillPrinters(result.printer);
    ui->txtCalOffsetX->setText(result.boxes.offsetX);
    ui->txtCalOffsetY->setText(result.boxes.offsetY);
    ui->txtCalScale->setText(result.boxes.scale);
    ui->lblCalStatus->setText(result.status);
    announce(ui->lblCalStatus);
    QLineEdit* focus = nullptr;
    switch (result.focus) {
    case CalibrationField::OffsetX:
        focus = ui->txtCalOffsetX;
        break;
    case CalibrationField::OffsetY:
        focus = ui->txtCalOffsetY;
        break;
    case CalibrationField::Scale:
        focus = ui->txtCalScale;
        break;
    case CalibrationField::None:
        break;
    }
    if (focus) {
        focus->setFocus();
        focus->selectAll();
    }
}

void frmCalibrate::cboCalPrinter_Click()
{
    const CalibrationBoxes boxes = loadCalibrationBoxes(m_platform, ui->cboCalPrinter->currentText());
    ui->txtCalOffsetX->setText(boxes.offsetX);
    ui->txtCalOffsetY->setText(boxes.offsetY);
    ui->txtCalScale->setText(boxes.scale);
    ui->lblCalStatus->clear();
}

void frmCalibrate::cmdCalSave_Click()
{
    apply(saveCalibrationBoxes(m_platform, ui->cboCalPrinter->currentText(),
                               {ui->txtCalOffsetX->text(), ui->txtCalOffsetY->text(), ui->txtCalScale->text()}));
}

void frmCalibrate::cmdCalPrint_Click()
{
    apply(printCalibrationSheet(m_platform, ui->cboCalPrinter->currentText(),
                                {ui->txtCalOffsetX->text(), ui->txtCalOffsetY->text(), ui->txtCalScale->text()}));
}

void frmCalibrate::cmdCalClose_Click()
{
    close();
}
