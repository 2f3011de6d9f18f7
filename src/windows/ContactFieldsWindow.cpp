#include "windows/ContactFieldsWindow.h"

#include "contacts/ContactSession.h"
#include "windows/MainWindowLink.h"
#include "windows/WindowPieces.h"
#include "help/HelpEntries.h"
#include "platform/Platform.h"
#include "windows/EditCommands.h"
#include "windows/WindowFlow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct BoxDef {
    ContactBox box;
    int width; // characters the box is sized for
};

const BoxDef kBoxDefs[ContactBoxes::Count] = {
    {ContactBox::txtACFName, 14},   {ContactBox::txtACMiddleInit, 3}, {ContactBox::txtACLName, 18},
    {ContactBox::txtACFStreet, 30}, {ContactBox::txtACSStreet, 16},   {ContactBox::txtACCity, 16},
    {ContactBox::txtACState, 3},    {ContactBox::txtACZip, 10},       {ContactBox::txtACCountry, 16},
    {ContactBox::txtACCompany, 30}, {ContactBox::txtACBirthdate, 11}, {ContactBox::txtACHPhone, 15},
    {ContactBox::txtACCPhone, 15},  {ContactBox::txtACWPhone, 15},    {ContactBox::txtACEmail, 50},
    {ContactBox::txtACCategory, 50}, {ContactBox::txtACNotes, 50},
};

} // namespace

QPushButton* makeWindowButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    // Enter on a focused button presses it, so the windows work from the keyboard alone.
    button->setAutoDefault(true);
    return button;
}

ContactFieldsWindow::ContactFieldsWindow(Platform& platform, MainWindowLink& main, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_main(main)
{
    auto* central = new QWidget(this);
    central->setMinimumWidth(600);
    setCentralWidget(central);
    for (const BoxDef& def : kBoxDefs) {
        auto* edit = new QLineEdit(central);
        edit->setObjectName(QString::fromLatin1(contactBoxName(def.box)));
        edit->installEventFilter(this);
        m_boxes[static_cast<int>(def.box)] = edit;
    }
    txtACFName = box(ContactBox::txtACFName);
    txtACMiddleInit = box(ContactBox::txtACMiddleInit);
    txtACLName = box(ContactBox::txtACLName);
    txtACFStreet = box(ContactBox::txtACFStreet);
    txtACSStreet = box(ContactBox::txtACSStreet);
    txtACCity = box(ContactBox::txtACCity);
    txtACState = box(ContactBox::txtACState);
    txtACZip = box(ContactBox::txtACZip);
    txtACCountry = box(ContactBox::txtACCountry);
    txtACCompany = box(ContactBox::txtACCompany);
    txtACBirthdate = box(ContactBox::txtACBirthdate);
    txtACHPhone = box(ContactBox::txtACHPhone);
    txtACCPhone = box(ContactBox::txtACCPhone);
    txtACWPhone = box(ContactBox::txtACWPhone);
    txtACEmail = box(ContactBox::txtACEmail);
    txtACCategory = box(ContactBox::txtACCategory);
    txtACNotes = box(ContactBox::txtACNotes);

    txtACFStreet->setToolTip(QStringLiteral("For help in finding address, click 'People Finder'"));
    txtACZip->setToolTip(QStringLiteral("For help in finding Zip Code, click 'Zip Code Finder'"));
    txtACCategory->setToolTip(QStringLiteral("Enter one or more categories, separated by a semicolon, to include "
                                             "this contact in subset(s).  Example: Christmas;Golf;Customers"));

    cmdStateAbb = makeWindowButton(QStringLiteral("cmdStateAbb"), QStringLiteral("?"),
                                   QStringLiteral("Look up State abbreviations"), central);
    cmdPeopleFind = makeWindowButton(QStringLiteral("cmdPeopleFind"), QStringLiteral("People Finder"), QString(), central);
    cmdZipFinder = makeWindowButton(QStringLiteral("cmdZipFinder"), QStringLiteral("Zip Code Finder"),
                                    QStringLiteral("Look up Zip Code"), central);
    cmdStateAbb->setFixedWidth(cmdStateAbb->fontMetrics().horizontalAdvance(QStringLiteral("??")) + 16);

    connect(txtACCompany, &QLineEdit::textChanged, this, &ContactFieldsWindow::txtACCompany_Change);
    connectHelp(m_platform, this, {.stateTable = cmdStateAbb, .peopleFinder = cmdPeopleFind,
                                   .zipFinder = cmdZipFinder, .focusAfterStateTable = txtACState});
}

QLayout* ContactFieldsWindow::buildFieldRows(QLabel* companyQuestion, QCheckBox* companyCheck)
{
    m_companyCheck = companyCheck;
    QWidget* central = centralWidget();
    const int charWidth = fontMetrics().averageCharWidth();

    // One column: the label over its box, and what sits under the box.
    const auto column = [&](ContactBox which, QWidget* under = nullptr, QWidget* beside = nullptr) {
        const BoxDef& def = kBoxDefs[static_cast<int>(which)];
        auto* label = new QLabel(contactBoxLabel(which) + u':', central);
        label->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(contactBoxName(which)).mid(3));
        label->setBuddy(box(which));
        box(which)->setMinimumWidth(charWidth * def.width + 12);
        auto* layout = new QVBoxLayout;
        layout->setSpacing(2);
        layout->addWidget(label);
        if (beside) {
            auto* row = new QHBoxLayout;
            row->addWidget(box(which));
            row->addWidget(beside);
            layout->addLayout(row);
        } else {
            layout->addWidget(box(which));
        }
        if (under)
            layout->addWidget(under, 0, Qt::AlignLeft);
        layout->addStretch();
        return layout;
    };
    const auto row = [](std::initializer_list<std::pair<QLayout*, int>> columns) {
        auto* layout = new QHBoxLayout;
        layout->setSpacing(12);
        for (const auto& [item, stretch] : columns)
            layout->addLayout(item, stretch);
        return layout;
    };

    txtACState->setMaximumWidth(charWidth * 3 + 12);
    txtACMiddleInit->setMaximumWidth(charWidth * 3 + 12);

    auto* companyInclude = new QWidget(central);
    auto* includeRow = new QHBoxLayout(companyInclude);
    includeRow->setContentsMargins(0, 0, 0, 0);
    includeRow->addWidget(companyQuestion);
    includeRow->addWidget(companyCheck);
    includeRow->addStretch();

    auto* rows = new QVBoxLayout;
    rows->addLayout(row({{column(ContactBox::txtACFName), 3},
                         {column(ContactBox::txtACMiddleInit), 0},
                         {column(ContactBox::txtACLName), 4}}));
    rows->addLayout(row({{column(ContactBox::txtACFStreet, cmdPeopleFind), 5}, {column(ContactBox::txtACSStreet), 3}}));
    rows->addLayout(row({{column(ContactBox::txtACCity), 3},
                         {column(ContactBox::txtACState, nullptr, cmdStateAbb), 0},
                         {column(ContactBox::txtACZip, cmdZipFinder), 2},
                         {column(ContactBox::txtACCountry), 3}}));
    rows->addLayout(row({{column(ContactBox::txtACCompany, companyInclude), 5}, {column(ContactBox::txtACBirthdate), 2}}));
    rows->addLayout(row({{column(ContactBox::txtACHPhone), 1},
                         {column(ContactBox::txtACCPhone), 1},
                         {column(ContactBox::txtACWPhone), 1}}));
    rows->addLayout(column(ContactBox::txtACEmail));
    rows->addLayout(column(ContactBox::txtACCategory));
    rows->addLayout(column(ContactBox::txtACNotes));

    // The include-company controls come and go without moving the rows below.
    for (QWidget* widget : {static_cast<QWidget*>(companyQuestion), static_cast<QWidget*>(companyCheck)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    return rows;
}

void ContactFieldsWindow::buildEditMenu(const QString& namePrefix)
{
    const EditMenu edit = addEditMenu(this, m_platform, namePrefix, CutCopyRule::SelectedTextOrNoTextBox);
    mnuEditMenu = edit.menu;
    mnuEditCut = edit.cut;
    mnuEditCopy = edit.copy;
    mnuEditPaste = edit.paste;
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

