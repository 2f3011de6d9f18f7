#pragma once

#include <QWidget>

class Platform;
class MainWindowLink;
struct CalibrationResult;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Printer calibration: per printer, how far to move and stretch every printout so that it
// lands where it should (PrinterCalibration.h), and the sheet to measure it with.
class frmCalibrate : public QWidget {
    Q_OBJECT

public:
    frmCalibrate(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);

    QLabel* lblCalPrinter;
    QComboBox* cboCalPrinter;
    QLabel* lblCalOffsetX;
    QLineEdit* txtCalOffsetX;
    QLabel* lblCalOffsetY;
    QLineEdit* txtCalOffsetY;
    QLabel* lblCalScale;
    QLineEdit* txtCalScale;
    QLabel* lblCalHelp;
    QLabel* lblCalStatus;
    QPushButton* cmdCalSave;
    QPushButton* cmdCalPrint;
    QPushButton* cmdCalClose;

public slots:
    void cboCalPrinter_Click();
    void cmdCalSave_Click();
    void cmdCalPrint_Click();
    void cmdCalClose_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fillPrinters(const QString& select);
    void apply(const CalibrationResult& result);

    Platform& m_platform;
    MainWindowLink& m_main;
};
