#include "windows/ContactFieldsWindow.h"

#include "contacts/ContactSession.h"
#include "help/HelpEntries.h"
#include "platform/Platform.h"
#include "ui_ContactFields.h"
#include "windows/EditCommands.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowFlow.h"
#include "windows/WindowPieces.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>

ContactFieldsWindow::ContactFieldsWindow(Platform& platform, MainWindowLink& main, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_main(main), m_fields(std::make_unique<Ui::ContactFields>())
{
    closeOnEscape(this);
}

ContactFieldsWindow::~ContactFieldsWindow() = default;

void ContactFieldsWindow::setUpFields(QWidget* fields, QLabel* companyQuestion, QCheckBox* companyCheck)
{
    m_fields->setupUi(fields);
    m_fields->companyIncludeRow->insertWidget(0, companyQuestion);
    m_fields->companyIncludeRow->insertWidget(1, companyCheck);
    m_companyCheck = companyCheck;
    for (int i = 0; i < ContactBoxes::Count; ++i) {
        const QString name = QString::fromLatin1(contactBoxName(static_cast<ContactBox>(i)));
        m_boxes[std::size_t(i)] = fields->findChild<QLineEdit*>(name);
        m_boxes[std::size_t(i)]->installEventFilter(this);
    }
    connect(m_fields->txtACCompany, &QLineEdit::textChanged, this, &ContactFieldsWindow::txtACCompany_Change);
    connectHelp(m_platform, this,
                {.stateTable = m_fields->cmdStateAbb,
                 .peopleFinder = m_fields->cmdPeopleFind,
                 .zipFinder = m_fields->cmdZipFinder,
                 .focusAfterStateTable = m_fields->txtACState});
}

QList<QWidget*> ContactFieldsWindow::lookUpButtons() const
{
    return {m_fields->cmdStateAbb, m_fields->cmdPeopleFind, m_fields->cmdZipFinder};
}

void ContactFieldsWindow::connectEditMenu(const EditMenu& edit)
{
    ::connectEditMenu(this, m_platform, edit, CutCopyRule::SelectedTextOrNoTextBox);
}

void ContactFieldsWindow::chainTabOrder(const QList<QWidget*>& chain)
{
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void ContactFieldsWindow::setCaption(const QString& prefix)
{
    setWindowTitle(captionWithFile(prefix, m_main.session().txtFileTitle));
}

ContactBoxes ContactFieldsWindow::readBoxes() const
{
    ContactBoxes values;
    for (int i = 0; i < ContactBoxes::Count; ++i)
        values.text[i] = m_boxes[i]->text();
    values.includeCompany = m_companyCheck && m_companyCheck->isChecked();
    return values;
}

void ContactFieldsWindow::writeBoxes(const ContactBoxes& values)
{
    for (int i = 0; i < ContactBoxes::Count; ++i)
        m_boxes[i]->setText(values.text[i]);
    if (m_companyCheck)
        m_companyCheck->setChecked(values.includeCompany);
}

void ContactFieldsWindow::clearBoxes()
{
    writeBoxes(ContactBoxes());
}

void ContactFieldsWindow::returnToMain()
{
    m_main.returnHere(this);
}

void ContactFieldsWindow::closeEvent(QCloseEvent* event)
{
    if (isVisible())
        closeBoxPressed();
    event->accept();
}

bool ContactFieldsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter moves on to the next control, as Tab does.
            focusNextChild();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
