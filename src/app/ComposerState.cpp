#include "app/ComposerState.h"

#include "app/frmLDeded.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

Composer readComposer(const frmLDeded& window)
{
    Composer composer;
    composer.lines = {window.txtLMLine1->text(), window.txtLMLine2->text(), window.txtLMline3->text(),
                      window.txtLMLine4->text(), window.txtLMLine5->text()};
    composer.labelStock = window.optLMLabel->isChecked();
    composer.envelope = window.optLMEnvelope->isChecked();
    composer.envelopeSizeNumber = window.EnvelopeSizeNumber;
    composer.centered = window.optLMCenter->isChecked();
    composer.leftJustified = window.optLMLeftjust->isChecked();
    composer.portrait = !window.optLandscape->isChecked();
    composer.bold = window.chkBold->isChecked();
    composer.boldVisible = !window.chkBold->isHidden();
    composer.largeFont = window.chkLargeFont->isChecked();
    composer.leftPad = window.txtLMLeftPad->text();
    composer.topPad = window.txtLMToppad->text();
    composer.positionEntry = window.PositionEntry;
    composer.startPosition = window.StartPosition;
    composer.endPosition = window.EndPosition;
    composer.labelCount = window.LabelCount;
    composer.positionCaption = window.lblLMPosition->text();
    return composer;
}
