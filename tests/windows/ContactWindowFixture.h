#pragma once

#include "app/frmLDeded.h"
#include "contacts/ContactFile.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "windows/frmEdDelViewContact.h"
#include "windows/frmNewContact.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

// A shown main window over a scripted platform with Friends.DAT open through File > Open.
class ContactWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        fake = std::make_unique<FakePlatform>();
        path = QDir(fake->folder).filePath(QStringLiteral("Friends.DAT"));
        main = std::make_unique<frmLDeded>(*fake);
        main->show();
        QApplication::setActiveWindow(main.get());
        QApplication::processEvents();
    }

    // Writes the contacts (name pairs) and opens the file as the user would.
    void openFile(const std::vector<std::pair<QString, QString>>& names)
    {
        {
            ContactFile file;
            file.open(path);
            for (const auto& [first, last] : names)
                file.append(contact(first, last));
        }
        fake->fileAnswers.push_back(FileDialogAnswer{path, QStringLiteral("Friends.DAT")});
        named<QAction>(main, "mnuFileOpen")->trigger();
        ASSERT_TRUE(main->session().isOpen());
        fake->messages.clear();
    }

    static Contact contact(const QString& first, const QString& last)
    {
        Contact c;
        c.FirstName = first;
        c.LastName = last;
        c.City = QStringLiteral("Reno");
        c.Birthdate = QString(8, u' ');
        c.IncludeCompany = QStringLiteral("0");
        c.BirthdayReminder = QStringLiteral("1");
        return c;
    }

    QByteArray bytes() const
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    static QByteArray record(const QByteArray& file, int n) { return file.mid(qint64(n - 1) * 513, 513); }

    static void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent down(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &down);
    }

    static QString focusName()
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }

    // The names the focus visits from `start` with `count` presses of `key`.
    static QStringList walk(QWidget* start, int count, int key)
    {
        start->setFocus();
        QStringList visited{focusName()};
        for (int i = 0; i < count; ++i) {
            press(QApplication::focusWidget(), key);
            visited << focusName();
        }
        return visited;
    }

    void typeInto(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        box->insert(text); // as typing does: one textEdited/textChanged
    }

    std::unique_ptr<FakePlatform> fake;
    QString path;
    std::unique_ptr<frmLDeded> main;
};
