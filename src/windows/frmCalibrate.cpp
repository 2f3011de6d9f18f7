#include "windows/frmCalibrate.h"

#include "contacts/ContactSession.h"
#include "windows/MainWindowLink.h"
#include "platform/Platform.h"
#include "print/CalibrationCommand.h"
#include "windows/WindowFlow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLabel* buddyLabel(QWidget* parent, const QString& name, const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

// Only what can become a number is typed; the save still checks the range.
QLineEdit* box(QWidget* parent, const QString& name, const QString& typable)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(90);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(typable), edit));
    return edit;
}

} // namespace

frmCalibrate::frmCalibrate(Platform& platform, MainWindowLink& main, QWidget* parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_main(main)
{
    setObjectName(QStringLiteral("frmCalibrate"));
    setWindowTitle(QStringLiteral("Printer Calibration"));

    cboCalPrinter = new QComboBox(this);
    cboCalPrinter->setObjectName(QStringLiteral("cboCalPrinter"));
    cboCalPrinter->setMinimumWidth(260);
    cboCalPrinter->setPlaceholderText(QStringLiteral("(no printer set up)"));
    const QString offset = QStringLiteral("[+-]?[0-9]{0,3}");
    txtCalOffsetX = box(this, QStringLiteral("txtCalOffsetX"), offset);
    txtCalOffsetY = box(this, QStringLiteral("txtCalOffsetY"), offset);
    txtCalScale = box(this, QStringLiteral("txtCalScale"), QStringLiteral("[0-9]{0,3}([.,][0-9]{0,2})?%?"));
    lblCalPrinter = buddyLabel(this, QStringLiteral("lblCalPrinter"), QStringLiteral("P&rinter:"), cboCalPrinter);
    lblCalOffsetX = buddyLabel(this, QStringLiteral("lblCalOffsetX"),
                               QStringLiteral("&Horizontal offset (1/100 in, + moves right):"), txtCalOffsetX);
    lblCalOffsetY = buddyLabel(this, QStringLiteral("lblCalOffsetY"),
                               QStringLiteral("&Vertical offset (1/100 in, + moves down):"), txtCalOffsetY);
    lblCalScale = buddyLabel(this, QStringLiteral("lblCalScale"), QStringLiteral("&Scale (%):"), txtCalScale);

    lblCalHelp = new QLabel(
        QStringLiteral("Every printout on the chosen printer is moved by the offsets, up to one inch either way. "
                       "The scale (90 to 110, 100 leaves it as it is) stretches every printed position away from "
                       "the print origin, 1/4 inch from the paper's left edge and 0.04 inch from its top; the type "
                       "keeps its size. Files (Print to File) are never moved or stretched.\n\n"
                       "Print the calibration sheet on plain paper, lay it on a label sheet against the light and "
                       "measure how far the crosshairs land from the corners of the labels. If they land 3/100 inch "
                       "too far right, make the horizontal offset 3 less; too low, make the vertical offset less. "
                       "If the crosshairs' distance apart is off, set the scale to the true distance divided by the "
                       "printed one, times 100."),
        this);
    lblCalHelp->setObjectName(QStringLiteral("lblCalHelp"));
    lblCalHelp->setWordWrap(true);
    lblCalStatus = new QLabel(this);
    lblCalStatus->setObjectName(QStringLiteral("lblCalStatus"));

    cmdCalSave = new QPushButton(QStringLiteral("S&ave"), this);
    cmdCalSave->setObjectName(QStringLiteral("cmdCalSave"));
    cmdCalSave->setToolTip(QStringLiteral("Stores these values for the chosen printer"));
    cmdCalPrint = new QPushButton(QStringLiteral("&Print calibration sheet"), this);
    cmdCalPrint->setObjectName(QStringLiteral("cmdCalPrint"));
    cmdCalPrint->setToolTip(QStringLiteral("Saves these values, then prints the label outlines and crosshairs"));
    cmdCalClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdCalClose->setObjectName(QStringLiteral("cmdCalClose"));
    cmdCalClose->setToolTip(QStringLiteral("Return to main screen"));

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(lblCalPrinter, 0, 0);
    grid->addWidget(cboCalPrinter, 0, 1);
    grid->addWidget(lblCalOffsetX, 1, 0);
    grid->addWidget(txtCalOffsetX, 1, 1);
    grid->addWidget(lblCalOffsetY, 2, 0);
    grid->addWidget(txtCalOffsetY, 2, 1);
    grid->addWidget(lblCalScale, 3, 0);
    grid->addWidget(txtCalScale, 3, 1);
    layout->addLayout(grid);
    layout->addWidget(lblCalHelp);
    layout->addWidget(lblCalStatus);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalSave);
    buttons->addWidget(cmdCalPrint);
    buttons->addStretch();
    buttons->addWidget(cmdCalClose);
    layout->addLayout(buttons);
    setMinimumWidth(560);

    connect(cboCalPrinter, &QComboBox::activated, this, &frmCalibrate::cboCalPrinter_Click);
    connect(cmdCalSave, &QPushButton::clicked, this, &frmCalibrate::cmdCalSave_Click);
    connect(cmdCalPrint, &QPushButton::clicked, this, &frmCalibrate::cmdCalPrint_Click);
    connect(cmdCalClose, &QPushButton::clicked, this, &frmCalibrate::cmdCalClose_Click);
}

void frmCalibrate::fillPrinters(const QString& select)
{
    cboCalPrinter->clear();
    QStringList names = m_platform.printerNames();
    // A printer the sheet went to stays choosable even when the list did not name it.
    if (!select.isEmpty() && !names.contains(select))
        names << select;
    cboCalPrinter->addItems(names);
    const int index = cboCalPrinter->findText(select);
    cboCalPrinter->setCurrentIndex(index >= 0 ? index : (names.isEmpty() ? -1 : 0));
}

// Every opening shows the printers set up now, and the stored values of the first (or the one
// chosen before).
void frmCalibrate::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        fillPrinters(cboCalPrinter->currentText());
        lblCalStatus->clear();
        cboCalPrinter_Click();
    }
    QWidget::showEvent(event);
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
    if (result.printer != cboCalPrinter->currentText())
        fillPrinters(result.printer);
    txtCalOffsetX->setText(result.boxes.offsetX);
    txtCalOffsetY->setText(result.boxes.offsetY);
    txtCalScale->setText(result.boxes.scale);
    lblCalStatus->setText(result.status);
    QLineEdit* focus = nullptr;
    switch (result.focus) {
    case CalibrationField::OffsetX:
        focus = txtCalOffsetX;
        break;
    case CalibrationField::OffsetY:
        focus = txtCalOffsetY;
        break;
    case CalibrationField::Scale:
        focus = txtCalScale;
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
    const CalibrationBoxes boxes = loadCalibrationBoxes(m_platform, cboCalPrinter->currentText());
    txtCalOffsetX->setText(boxes.offsetX);
    txtCalOffsetY->setText(boxes.offsetY);
    txtCalScale->setText(boxes.scale);
    lblCalStatus->clear();
}

void frmCalibrate::cmdCalSave_Click()
{
    apply(saveCalibrationBoxes(m_platform, cboCalPrinter->currentText(),
                               {txtCalOffsetX->text(), txtCalOffsetY->text(), txtCalScale->text()}));
}

void frmCalibrate::cmdCalPrint_Click()
{
    apply(printCalibrationSheet(m_platform, cboCalPrinter->currentText(),
                                {txtCalOffsetX->text(), txtCalOffsetY->text(), txtCalScale->text()}));
}

void frmCalibrate::cmdCalClose_Click()
{
    close();
}
