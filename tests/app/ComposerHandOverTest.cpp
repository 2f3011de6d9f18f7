#include "app/MainWindowFixture.h"
#include "support/ContactDetailsBuilder.h"
#include "print/ContactDetailsPrintout.h"
#include "support/Controls.h"

#include <QCheckBox>

TEST_F(MainWindowTest, PrintLabelFillsTheComposerLinesAndShowsTheMainWindow)
{
    QWidget browser;
    browser.show();
    window->hide();
    named<QCheckBox>(window, "chkBold")->show();
    named<QCheckBox>(window, "chkBold")->setChecked(true);
    named<QLineEdit>(window, "txtLMLine5")->setText(QStringLiteral("left over"));

    const ContactDetails d = addressedTo("Ann", "Lee", "1 Elm St", "Dayton", "OH", "45402");
    window->takeComposerLines(&browser, composerLinesFor(d));

    EXPECT_FALSE(browser.isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(named<QCheckBox>(window, "chkBold")->isChecked());
    EXPECT_FALSE(named<QCheckBox>(window, "chkBold")->isVisible());
    const QStringList lines{
        named<QLineEdit>(window, "txtLMLine1")->text(), named<QLineEdit>(window, "txtLMLine2")->text(),
        named<QLineEdit>(window, "txtLMline3")->text(), named<QLineEdit>(window, "txtLMLine4")->text(),
        named<QLineEdit>(window, "txtLMLine5")->text()};
    EXPECT_EQ(lines, (QStringList{"Ann Lee", "1 Elm St", "Dayton, OH  45402", "", ""}));
}
