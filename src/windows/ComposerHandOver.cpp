#include "windows/ComposerHandOver.h"

#include "app/frmLDeded.h"
#include "windows/WindowFlow.h"

#include <QCheckBox>
#include <QLineEdit>

void sendToComposer(QWidget* browser, frmLDeded& main, const std::array<QString, 5>& lines)
{
    returnTo(browser, &main, main.txtLMLine1);
    main.chkBold->setChecked(false);
    main.chkBold->hide();
    QLineEdit* boxes[] = {main.txtLMLine1, main.txtLMLine2, main.txtLMline3, main.txtLMLine4, main.txtLMLine5};
    for (int i = 0; i < 5; ++i)
        boxes[i]->setText(lines[i]);
}
