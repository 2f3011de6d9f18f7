#include "windows/WindowFlow.h"

#include <QApplication>
#include <QRadioButton>
#include <QWidget>

void showInstead(QWidget* opener, QWidget* next)
{
    next->show();
    next->raise();
    next->activateWindow();
    QApplication::setActiveWindow(next);
    if (opener && opener != next)
        opener->hide();
}

void returnTo(QWidget* closing, QWidget* back, QWidget* focus)
{
    showInstead(closing, back);
    if (focus)
        focus->setFocus();
}

void chooseOption(QRadioButton* option)
{
    option->setChecked(true);
    emit option->clicked(true);
}

void unchooseBoth(QRadioButton* first, QRadioButton* second)
{
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(false);
    second->setChecked(false);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}
