#pragma once

#include "platform/QtTextMeasure.h"

#include <QObject>

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmLDeded& m_main;
    Ui::frmLDeded& m_ui;
    QtTextMeasure m_measure;
};
