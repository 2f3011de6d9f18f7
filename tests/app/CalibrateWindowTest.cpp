#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "platform/PrinterCalibration.h"
#include "windows/frmCalibrate.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QKeyEvent>
#include <QPushButton>

class CalibrateWindowTest : public MainWindowTest {
protected:
    frmCalibrate* open()
    {
        named<QAction>(window, "mnuFileCalibrate")->trigger();
        QApplication::processEvents();
        return window->findChild<frmCalibrate*>();
    }
};

TEST_F(CalibrateWindowTest, FileMenuOpensItWithTheStoredValuesOfThePrinterChosen)
{
    EXPECT_TRUE(named<QMenu>(window, "mnuFile")->actions().contains(named<QAction>(window, "mnuFileCalibrate")));
    EXPECT_EQ(named<QAction>(window, "mnuFileCalibrate")->text(), "Printer Cali&bration...");
    fake->installedPrinters = {QStringLiteral("Office Laser"), QStringLiteral("Kitchen Inkjet")};
    saveCalibration(*fake, QStringLiteral("Kitchen Inkjet"), {-4, 6, 98.5});

    frmCalibrate* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(named<QComboBox>(w, "cboCalPrinter")->count(), 2);
    EXPECT_EQ(named<QComboBox>(w, "cboCalPrinter")->currentText(), "Office Laser");
    EXPECT_EQ(named<QLineEdit>(w, "txtCalOffsetX")->text(), "0");
    EXPECT_EQ(named<QLineEdit>(w, "txtCalScale")->text(), "100");

    named<QComboBox>(w, "cboCalPrinter")->setCurrentIndex(1);
    emit named<QComboBox>(w, "cboCalPrinter")->activated(1);
    EXPECT_EQ(named<QLineEdit>(w, "txtCalOffsetX")->text(), "-4");
    EXPECT_EQ(named<QLineEdit>(w, "txtCalOffsetY")->text(), "6");
    EXPECT_EQ(named<QLineEdit>(w, "txtCalScale")->text(), "98.5");

    named<QPushButton>(w, "cmdCalClose")->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(window, "txtLMLine1"));
    EXPECT_EQ(open(), w) << "created once";
}

TEST_F(CalibrateWindowTest, SaveStoresTheBoxesAndARefusalPutsTheFocusInTheWrongBox)
{
    frmCalibrate* w = open();
    ASSERT_EQ(named<QComboBox>(w, "cboCalPrinter")->currentText(), "Fake Printer");
    named<QLineEdit>(w, "txtCalOffsetX")->setText(QStringLiteral("12"));
    named<QLineEdit>(w, "txtCalOffsetY")->setText(QStringLiteral("-3"));
    named<QLineEdit>(w, "txtCalScale")->setText(QStringLiteral("101,50"));
    named<QPushButton>(w, "cmdCalSave")->click();
    EXPECT_EQ(loadCalibration(*fake, QStringLiteral("Fake Printer")), (PrinterCalibration{12, -3, 101.5}));
    EXPECT_EQ(named<QLineEdit>(w, "txtCalScale")->text(), "101.5");
    EXPECT_EQ(named<QLabel>(w, "lblCalStatus")->text(), "Saved for Fake Printer.");

    named<QLineEdit>(w, "txtCalOffsetY")->setText(QStringLiteral("two"));
    named<QPushButton>(w, "cmdCalSave")->click();
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].title, "Incorrect entry");
    EXPECT_EQ(QApplication::focusWidget(), named<QLineEdit>(w, "txtCalOffsetY"));
    EXPECT_EQ(named<QLineEdit>(w, "txtCalOffsetY")->text(), "two") << "what was typed stays to be corrected";
    EXPECT_EQ(loadCalibration(*fake, QStringLiteral("Fake Printer")), (PrinterCalibration{12, -3, 101.5}));
}

TEST_F(CalibrateWindowTest, PrintingTheSheetMovesItByTheCalibrationJustSaved)
{
    frmCalibrate* w = open();
    named<QLineEdit>(w, "txtCalOffsetX")->setText(QStringLiteral("10"));
    named<QLineEdit>(w, "txtCalOffsetY")->setText(QStringLiteral("0"));
    named<QLineEdit>(w, "txtCalScale")->setText(QStringLiteral("100"));
    named<QPushButton>(w, "cmdCalPrint")->click();
    ASSERT_EQ(fake->printers.size(), 1u);
    const FakeDocument& sheet = fake->printers[0]->documents.at(0);
    ASSERT_FALSE(sheet.runs.empty());
    EXPECT_EQ(sheet.runs[0].text, "Calibration sheet for Fake Printer");
    EXPECT_NEAR(sheet.runs[0].x, 7.2, 1e-9);
    EXPECT_EQ(sheet.rules.size(), 128u);
    EXPECT_EQ(named<QLabel>(w, "lblCalStatus")->text(), "Calibration sheet sent to Fake Printer.");
}

TEST_F(CalibrateWindowTest, TheBoxesTakeNumbersOnly)
{
    frmCalibrate* w = open();
    const struct {
        const char* box;
        QString typed;
        QString kept;
    } cases[] = {
        {"txtCalOffsetX", "50p", "50"},
        {"txtCalOffsetY", "-1x2", "-12"},
        {"txtCalOffsetY", "+7x8", "+78"},
        {"txtCalScale", "99.5q", "99.5"},
        {"txtCalScale", "9a8,5%", "98,5%"},
    };
    for (const auto& c : cases) {
        QLineEdit* box = named<QLineEdit>(w, c.box);
        box->clear();
        box->setFocus();
        typeKeys(box, c.typed);
        EXPECT_EQ(box->text().toStdString(), c.kept.toStdString()) << c.box;
    }
}
