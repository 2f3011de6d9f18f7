#pragma once

#include "platform/qt/QtTextMeasure.h"

#include <QObject>
#include <QString>
#include <array>

class frmLDeded;
namespace Ui {
class frmLDeded;
}

// Marks the composer lines that will not stay on their label or envelope, as the user types
// and as the options change, and says in lblLMFitHint how much fits. Printing is untouched.
class LineFitHint : public QObject {
    Q_OBJECT

public:
    LineFitHint(frmLDeded& main, Ui::frmLDeded& controls);

public slots:
    void refresh();

signals:
    // After each refresh: the lines or an option may have changed.
    void refreshed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeRoomForHint();

    frmLDeded& m_main;
    Ui::frmLDeded& m_ui;
    QtTextMeasure m_measure;
    std::array<QString, 5> m_descriptions; // what each box says while it fits
    int m_oneLine = 0; // the room the hint keeps while it says nothing
    int m_askedHeight = 0; // the window's height last asked for, until it has it
};
