#include "platform/qt/QtMapping.h"
#include "platform/qt/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs act on the dialog the call below it opens, once that dialog is up.
void whenModalShows(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

} // namespace

TEST(QtPlatform, MessageIconsAndButtonsMapOntoQts)
{
    EXPECT_EQ(toQtIcon(MessageIcon::None), QMessageBox::NoIcon);
    EXPECT_EQ(toQtIcon(MessageIcon::Information), QMessageBox::Information);
    EXPECT_EQ(toQtIcon(MessageIcon::Exclamation), QMessageBox::Warning);
    EXPECT_EQ(toQtIcon(MessageIcon::Critical), QMessageBox::Critical);
    EXPECT_EQ(toQtIcon(MessageIcon::Question), QMessageBox::Question);

    const struct {
        MessageButtons buttons;
        QMessageBox::StandardButtons qt;
        QMessageBox::StandardButton first;
    } cases[] = {
        {MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Ok},
        {MessageButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
        {MessageButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes},
        {MessageButtons::RetryCancel, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.buttons));
        EXPECT_EQ(toQtButtons(c.buttons), c.qt);
        EXPECT_EQ(defaultQtButton(c.buttons), c.first);
    }
    EXPECT_EQ(answerOf(QMessageBox::Yes), MessageAnswer::Yes);
    EXPECT_EQ(answerOf(QMessageBox::No), MessageAnswer::No);
    EXPECT_EQ(answerOf(QMessageBox::Cancel), MessageAnswer::Cancel);
    EXPECT_EQ(answerOf(QMessageBox::Retry), MessageAnswer::Retry);
    EXPECT_EQ(answerOf(QMessageBox::Ok), MessageAnswer::Ok);
}

TEST(QtPlatform, TheMessageBoxShowsTheTextsAndReportsTheButtonPressed)
{
    QtPlatform platform;
    for (MessageAnswer wanted : {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}) {
        SCOPED_TRACE(int(wanted));
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            const QMessageBox::StandardButton button = wanted == MessageAnswer::Yes ? QMessageBox::Yes
                                                       : wanted == MessageAnswer::No ? QMessageBox::No
                                                                                     : QMessageBox::Cancel;
            box->button(button)->click();
        });
        const MessageAnswer answer = platform.messageBox(QStringLiteral("Print another page?"),
                                                         QStringLiteral("Completed"), MessageButtons::YesNoCancel,
                                                         MessageIcon::Exclamation);
        EXPECT_EQ(answer, wanted);
        EXPECT_EQ(title, "Completed");
        EXPECT_EQ(text, "Print another page?");
        EXPECT_EQ(icon, QMessageBox::Warning);
    }
}

TEST(QtPlatform, FileFiltersBecomeQtsForm)
{
    const struct {
        QString ours, qt;
    } cases[] = {
        {"Data Files (*.DAT)|*.DAT", "Data Files (*.DAT)"},
        {"CSV files|*.csv", "CSV files (*.csv)"},
        {"Text|*.txt;*.TXT|All files (*.*)|*.*", "Text (*.txt *.TXT);;All files (*.*)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qtFilter(c.ours), c.qt) << c.ours.toStdString();
}

TEST(QtPlatform, TheInputBoxGivesTheAnswerAndCancelGivesEmptyText)
{
    QtPlatform platform;
    QString shownTitle, shownDefault;
    whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        shownTitle = dialog->windowTitle();
        shownDefault = dialog->textValue();
        dialog->setTextValue(QStringLiteral("4-9"));
        dialog->accept();
    });
    EXPECT_EQ(platform.inputBox(QStringLiteral("Enter the label position"), QStringLiteral("Label position"),
                                QStringLiteral("1")),
              "4-9");
    EXPECT_EQ(shownTitle, "Label position");
    EXPECT_EQ(shownDefault, "1");

    whenModalShows([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    const QString cancelled =
        platform.inputBox(QStringLiteral("Enter the label position"), QStringLiteral("Label position"), QStringLiteral("1"));
    EXPECT_TRUE(cancelled.isEmpty());
}

TEST(QtPlatform, ThePrintDialogOffersOnlyWhatThePrintoutHonours)
{
    const struct {
        const char* name;
        PrintDialogRequest request;
        bool rangeEnabled;
    } cases[] = {
        {"labels, envelopes, return addresses", {}, false},
        {"a report with pages", {.offerSelection = true, .offerPageRange = true, .minPage = 1, .maxPage = 7}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QPrinter printer;
        QPrintDialog dialog(&printer);
        configurePrintDialog(dialog, c.request);
        EXPECT_EQ(dialog.testOption(QAbstractPrintDialog::PrintPageRange), c.request.offerPageRange);
        EXPECT_EQ(dialog.testOption(QAbstractPrintDialog::PrintSelection), c.request.offerSelection);
        EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintCurrentPage));
        EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
        if (c.request.offerPageRange) {
            EXPECT_EQ(dialog.minPage(), 1);
            EXPECT_EQ(dialog.maxPage(), 7);
        }
        dialog.show();
        QApplication::processEvents();
        auto* range = dialog.findChild<QAbstractButton*>(QStringLiteral("printRange"));
        ASSERT_NE(range, nullptr) << "Qt's dialog names its page range choice printRange";
        EXPECT_EQ(range->isEnabled(), c.rangeEnabled);
        if (auto* pages = dialog.findChild<QAbstractButton*>(QStringLiteral("pagesRadioButton")); pages && !c.rangeEnabled)
            EXPECT_FALSE(pages->isEnabled());
        // Shown a second time, it stays as asked.
        dialog.hide();
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(range->isEnabled(), c.rangeEnabled);
        dialog.hide();
    }
}

TEST(QtPlatform, CancelInThePrintDialogGivesNoPrinter)
{
    QtPlatform platform;
    whenModalShows([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(platform.printDialog({}).has_value());
}
