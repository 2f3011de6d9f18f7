#pragma once

#include "contacts/ContactBoxes.h"

#include <QMainWindow>
#include <array>
#include <memory>

class Platform;
class MainWindowLink;
struct EditMenu;
class QCheckBox;
class QLabel;
class QLineEdit;
namespace Ui {
class ContactFields;
}

// What the add-contact window and the contact browser share: the seventeen boxes with their
// labels in rows and the look-up buttons beside them (ContactFields.ui), Enter moving on, and
// the Edit menu.
class ContactFieldsWindow : public QMainWindow {
    Q_OBJECT

public:
    ContactFieldsWindow(Platform& platform, MainWindowLink& main, QWidget* parent = nullptr);
    ~ContactFieldsWindow() override;

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
    // The boxes set up in the window's `fields`, with its include-company question and check box
    // under the company box, and the look-up buttons connected.
    void setUpFields(QWidget* fields, QLabel* companyQuestion, QCheckBox* companyCheck);
    // The state table, People Finder and Zip Code Finder buttons, in that order.
    QList<QWidget*> lookUpButtons() const;
    // The window's Edit menu on its focused box.
    void connectEditMenu(const EditMenu& edit);
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
    std::unique_ptr<Ui::ContactFields> m_fields;
    std::array<QLineEdit*, ContactBoxes::Count> m_boxes{};
    QCheckBox* m_companyCheck = nullptr;
};
