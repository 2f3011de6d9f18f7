#include "ContactWindowFixture.h"
#include "support/Controls.h"

#include "contacts/ContactList.h"
#include "windows/frmViewAll.h"

#include <QLabel>
#include <QRadioButton>

// The windows' forms hold captions that the plain classes also name in messages and prompts.
class WindowFormsTest : public ContactWindowTest { };

TEST_F(WindowFormsTest, FormCaptionsAreTheOnesMessagesAndPromptsName)
{
    for (QWidget* window :
         {static_cast<QWidget*>(main->newContactWindow()), static_cast<QWidget*>(main->contactBrowser())}) {
        for (int i = 0; i < ContactBoxes::Count; ++i) {
            const auto which = static_cast<ContactBox>(i);
            const QString name = QString::fromLatin1(contactBoxName(which));
            SCOPED_TRACE((window->objectName() + u' ' + name).toStdString());
            const QLabel* label = named<QLabel>(window, QStringLiteral("lbl") + name.mid(3));
            EXPECT_EQ(caption(label->text()), contactBoxLabel(which) + u':');
            EXPECT_EQ(label->buddy(), named<QLineEdit>(window, name));
        }
    }
    const QStringList options{"optSearchFName", "optSearchLName", "optSearchCity", "optSearchState",  "optSearchZip",
                              "optSearchEmail", "optSearchCat",   "optSearchAll",  "optSearchCompany"};
    for (const ContactList::SearchOption& option : ContactList::searchOptions())
        EXPECT_EQ(caption(named<QRadioButton>(main->contactList(), options[int(option.code)])->text()), option.caption);
}
