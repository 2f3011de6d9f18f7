#include "app/MainWindowFixture.h"
#include "support/ContactDetailsBuilder.h"
#include "print/ContactDetailsPrintout.h"

#include <QCheckBox>

TEST_F(MainWindowTest, PrintLabelFillsTheComposerLinesAndShowsTheMainWindow)
{
    QWidget browser;
    browser.show();
    window->hide();
    window->chkBold->show();
    window->chkBold->setChecked(true);
    window->txtLMLine5->setText(QStringLiteral("left over"));

    const ContactDetails d = addressedTo("Ann", "Lee", "1 Elm St", "Dayton", "OH", "45402");
    window->takeComposerLines(&browser, composerLinesFor(d));

    EXPECT_FALSE(browser.isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->chkBold->isChecked());
    EXPECT_FALSE(window->chkBold->isVisible());
    const QStringList lines{window->txtLMLine1->text(), window->txtLMLine2->text(), window->txtLMline3->text(),
                            window->txtLMLine4->text(), window->txtLMLine5->text()};
    EXPECT_EQ(lines, (QStringList{"Ann Lee", "1 Elm St", "Dayton, OH  45402", "", ""}));
}
