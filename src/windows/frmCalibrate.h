#pragma once

#include <QDialog>
#include <memory>

class Platform;
class MainWindowLink;
struct CalibrationResult;
namespace Ui {
class frmCalibrate;
}

// Printer calibration: per printer, how far to move and stretch every printout so that it
// lands where it should (PrinterCalibration.h), and the sheet to measure it with.
class frmCalibrate : public QDialog {
    Q_OBJECT

public:
    frmCalibrate(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);
    ~frmCalibrate() override;

public slots:
    void cboCalPrinter_Click();
    void cmdCalSave_Click();
    void cmdCalPrint_Click();
    void cmdCalClose_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape closes it as its close box does.
    void reject() override { close(); }

private:
    void fillPrinters(const QString& select);
    void apply(const CalibrationResult& result);

    std::unique_ptr<Ui::frmCalibrate> ui; // from frmCalibrate.ui
    Platform& m_platform;
    MainWindowLink& m_main;
};
