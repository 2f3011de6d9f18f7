#pragma once

#include "platform/qt/QtTextMeasure.h"

#include <QObject>

class frmLDeded;

// Marks the composer lines that will not stay on their label or envelope, as the user types
// and as the options change, and says in lblLMFitHint how much fits. Printing is untouched.
class LineFitHint : public QObject {
    Q_OBJECT

public:
    explicit LineFitHint(frmLDeded& main);

public slots:
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmLDeded& m_main;
    QtTextMeasure m_measure;
};
