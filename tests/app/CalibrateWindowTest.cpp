#include "MainWindowFixture.h"

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
        window->mnuFileCalibrate->trigger();
        QApplication::processEvents();
        return window->findChild<frmCalibrate*>();
    }
};

TEST_F(CalibrateWindowTest, FileMenuOpensItWithTheStoredValuesOfThePrinterChosen)
{
    EXPECT_TRUE(window->mnuFile->actions().contains(window->mnuFileCalibrate));
    EXPECT_EQ(window->mnuFileCalibrate->text(), "Printer Cali&bration...");
    fake->installedPrinters = {QStringLiteral("Office Laser"), QStringLiteral("Kitchen Inkjet")};
    saveCalibration(*fake, QStringLiteral("Kitchen Inkjet"), {-4, 6, 98.5});

    frmCalibrate* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(w->cboCalPrinter->count(), 2);
    EXPECT_EQ(w->cboCalPrinter->currentText(), "Office Laser");
    EXPECT_EQ(w->txtCalOffsetX->text(), "0");
    EXPECT_EQ(w->txtCalScale->text(), "100");

    w->cboCalPrinter->setCurrentIndex(1);
    emit w->cboCalPrinter->activated(1);
    EXPECT_EQ(w->txtCalOffsetX->text(), "-4");
    EXPECT_EQ(w->txtCalOffsetY->text(), "6");
    EXPECT_EQ(w->txtCalScale->text(), "98.5");

    w->cmdCalClose->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->txtLMLine1);
    EXPECT_EQ(open(), w) << "created once";
}

TEST_F(CalibrateWindowTest, SaveStoresTheBoxesAndARefusalPutsTheFocusInTheWrongBox)
{
    frmCalibrate* w = open();
    ASSERT_EQ(w->cboCalPrinter->currentText(), "Fake Printer");
    w->txtCalOffsetX->setText(QStringLiteral("12"));
    w->txtCalOffsetY->setText(QStringLiteral("-3"));
    w->txtCalScale->setText(QStringLiteral("101,50"));
    w->cmdCalSave->click();
    EXPECT_EQ(loadCalibration(*fake, QStringLiteral("Fake Printer")), (PrinterCalibration{12, -3, 101.5}));
    EXPECT_EQ(w->txtCalScale->text(), "101.5");
    EXPECT_EQ(w->lblCalStatus->text(), "Saved for Fake Printer.");

    w->txtCalOffsetY->setText(QStringLiteral("two"));
    w->cmdCalSave->click();
    ASSERT_EQ(fake->messages.size(), 1u);
    EXPECT_EQ(fake->messages[0].title, "Incorrect entry");
    EXPECT_EQ(QApplication::focusWidget(), w->txtCalOffsetY);
    EXPECT_EQ(w->txtCalOffsetY->text(), "two") << "what was typed stays to be corrected";
    EXPECT_EQ(loadCalibration(*fake, QStringLiteral("Fake Printer")), (PrinterCalibration{12, -3, 101.5}));
}

TEST_F(CalibrateWindowTest, PrintingTheSheetMovesItByTheCalibrationJustSaved)
{
    frmCalibrate* w = open();
    w->txtCalOffsetX->setText(QStringLiteral("10"));
    w->txtCalOffsetY->setText(QStringLiteral("0"));
    w->txtCalScale->setText(QStringLiteral("100"));
    w->cmdCalPrint->click();
    ASSERT_EQ(fake->printers.size(), 1u);
    const FakeDocument& sheet = fake->printers[0]->documents.at(0);
    ASSERT_FALSE(sheet.runs.empty());
    EXPECT_EQ(sheet.runs[0].text, "Calibration sheet for Fake Printer");
    EXPECT_NEAR(sheet.runs[0].x, 7.2, 1e-9);
    EXPECT_EQ(sheet.rules.size(), 128u);
    EXPECT_EQ(w->lblCalStatus->text(), "Calibration sheet sent to Fake Printer.");
}

TEST_F(CalibrateWindowTest, TheBoxesTakeOnlyWhatCanBecomeANumber)
{
    frmCalibrate* w = open();
    const struct {
        QLineEdit* box;
        QString typed, kept;
    } cases[] = {
        {w->txtCalOffsetX, "50p", "50"},
        {w->txtCalOffsetX, "-12", "-12"},
        {w->txtCalOffsetY, "+7x8", "+78"},
        {w->txtCalScale, "101,5%", "101,5%"},
        {w->txtCalScale, "99.5q", "99.5"},
    };
    for (const auto& c : cases) {
        c.box->clear();
        for (const QChar ch : c.typed) { // typed, so the box's validator sees each key
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(c.box, &press);
        }
        EXPECT_EQ(c.box->text(), c.kept) << qPrintable(c.typed);
    }
}
