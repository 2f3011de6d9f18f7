#include "app/LineFitHint.h"
#include "app/SheetView.h"
#include "app/frmLDeded.h"
#include "platform/Platform.h"
#include "platform/qt/QtTextMeasure.h"
#include "print/Composer.h"
#include "print/PositionDialog.h"
#include "print/SheetPicture.h"
#include "ui_frmLDeded.h"
#include "windows/WindowFlow.h"

// The sheet beside the composer: redrawn whenever the long-line hint looks again at the lines
// and options, and a label clicked on it chosen as the position dialog would choose it.

namespace {

const QString kApp = QStringLiteral("Tessaprint");
const QString kSection = QStringLiteral("Settings");
const QString kShowSheet = QStringLiteral("ShowSheet");

} // namespace

void frmLDeded::setUpSheet()
{
    m_sheetMeasure = std::make_unique<QtTextMeasure>();
    m_sheetPicturer = std::make_unique<SheetPicturer>(m_platform, *m_sheetMeasure);
    // Shown unless the user turned it off.
    const bool shown = m_platform.readSetting(kApp, kSection, kShowSheet) != QLatin1String("0");
    ui->mnuViewSheet->setChecked(shown);
    ui->picLMSheet->setVisible(shown);
    connect(ui->mnuViewSheet, &QAction::toggled, this, &frmLDeded::mnuViewSheet_Click);
    connect(ui->picLMSheet, &SheetView::labelChosen, this, &frmLDeded::picLMSheet_LabelChosen);
    connect(m_lineFitHint, &LineFitHint::refreshed, this, &frmLDeded::refreshSheet);
    // The pad rows move the lines down without changing what fits.
    connect(ui->txtLMToppad, &QLineEdit::textChanged, this, &frmLDeded::refreshSheet);
    refreshSheet();
}

void frmLDeded::refreshSheet()
{
    if (!m_sheetPicturer || ui->picLMSheet->isHidden())
        return;
    ui->picLMSheet->setPicture(m_sheetPicturer->draw(composerState(), !ui->cmdRetAddress->isHidden()));
}

void frmLDeded::mnuViewSheet_Click(bool shown)
{
    ui->picLMSheet->setVisible(shown);
    m_platform.writeSetting(kApp, kSection, kShowSheet, shown ? QStringLiteral("1") : QStringLiteral("0"));
    refreshSheet();
}

void frmLDeded::picLMSheet_LabelChosen(int position)
{
    // The medium options are off while the return-address sheet waits for its lines.
    if (!ui->optLMLabel->isEnabled())
        return;
    if (!ui->optLMLabel->isChecked()) {
        ui->optLMLabel->setChecked(true);
        showLabelStockOptions();
    }
    PositionRange held{StartPosition, EndPosition, LabelCount};
    const PositionAnswer judged = judgePositionAnswer(QString::number(position), held);
    if (judged.refusal) {
        showPositionRefusal(m_platform, *judged.refusal);
        return;
    }
    applyPosition(judged.result);
    m_lineFitHint->refresh();
}
