#pragma once

#include "contacts/ContactBoxes.h"

#include <QMainWindow>
#include <array>

class Platform;
class MainWindowLink;
class QAction;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;

// What the add-contact window and the contact browser share: the seventeen boxes with their
// labels in rows, the look-up buttons beside them, Enter moving on, and the Edit menu.
class ContactFieldsWindow : public QMainWindow {
    Q_OBJECT

public:
    ContactFieldsWindow(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);

    QLineEdit* txtACFName;
    QLineEdit* txtACMiddleInit;
    QLineEdit* txtACLName;
    QLineEdit* txtACFStreet;
    QLineEdit* txtACSStreet;
    QLineEdit* txtACCity;
    QLineEdit* txtACState;
    QLineEdit* txtACZip;
    QLineEdit* txtACCountry;
    QLineEdit* txtACCompany;
    QLineEdit* txtACBirthdate;
    QLineEdit* txtACHPhone;
    QLineEdit* txtACCPhone;
    QLineEdit* txtACWPhone;
    QLineEdit* txtACEmail;
    QLineEdit* txtACCategory;
    QLineEdit* txtACNotes;
    QPushButton* cmdStateAbb;
    QPushButton* cmdPeopleFind;
    QPushButton* cmdZipFinder;

    QMenu* mnuEditMenu;
    QAction* mnuEditCut;
    QAction* mnuEditCopy;
    QAction* mnuEditPaste;

    QLineEdit* box(ContactBox which) const { return m_boxes[static_cast<int>(which)]; }
    // The seventeen boxes in tab order.
    const std::array<QLineEdit*, ContactBoxes::Count>& boxes() const { return m_boxes; }

    // The boxes' texts and `includeCompany` as one value, and back. Writing the company box
    // runs the window's company-box rule when its text changes; the check box is set after it.
    ContactBoxes readBoxes() const;
    void writeBoxes(const ContactBoxes& boxes);
    void clearBoxes();

public slots:
    virtual void txtACCompany_Change() = 0;

protected:
    // The rows of boxes, with the include-company question and its check box under the company.
    QLayout* buildFieldRows(QLabel* companyQuestion, QCheckBox* companyCheck);
    // The Edit menu, its items named namePrefix + "Edit", "EditCut", ...
    void buildEditMenu(const QString& namePrefix);
    // Tab order along `chain`.
    static void chainTabOrder(const QList<QWidget*>& chain);
    // The window's caption: prefix + "  [" + the main window's txtFileTitle + "]".
    void setCaption(const QString& prefix);
    // Hide this window, show the main window, focus its first composer line.
    void returnToMain();
    // The window's own close box; a window already hidden (the program ending) just closes.
    void closeEvent(QCloseEvent* event) override;
    // What the close box does while the window is in front.
    virtual void closeBoxPressed() = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

    Platform& m_platform;
    MainWindowLink& m_main;

private:
    std::array<QLineEdit*, ContactBoxes::Count> m_boxes{};
    QCheckBox* m_companyCheck = nullptr;
};

QPushButton* makeWindowButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent);
