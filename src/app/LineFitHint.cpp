#include "app/LineFitHint.h"

#include "app/frmLDeded.h"
#include "print/LineFit.h"
#include "ui_frmLDeded.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kMarked = QStringLiteral("QLineEdit { background: #fde8e8; border: 2px solid #c62828; }");

void mark(QLineEdit* box, const QString& message)
{
    const QString style = message.isEmpty() ? QString() : kMarked;
    if (box->styleSheet() != style)
        box->setStyleSheet(style);
    box->setToolTip(message);
    box->setAccessibleDescription(message);
}

} // namespace

LineFitHint::LineFitHint(frmLDeded& main, Ui::frmLDeded& controls) : QObject(&main), m_main(main), m_ui(controls)
{
    const Ui::frmLDeded& ui = controls;
    ui.lblLMFitHint->setStyleSheet(QStringLiteral("color: #b71c1c;"));
    for (QLineEdit* box : {ui.txtLMLine1, ui.txtLMLine2, ui.txtLMline3, ui.txtLMLine4, ui.txtLMLine5, ui.txtLMLeftPad})
        connect(box, &QLineEdit::textChanged, this, &LineFitHint::refresh);
    for (QRadioButton* option :
         {ui.optLMLabel, ui.optLMEnvelope, ui.optPortrait, ui.optLandscape, ui.optLMCenter, ui.optLMLeftjust})
        connect(option, &QRadioButton::toggled, this, &LineFitHint::refresh);
    // Connected after the window's own handlers, so these see what the handlers leave.
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{ui.optLMLabel, ui.optLMEnvelope, ui.cmdLMClear, ui.cmdLMStart})
        connect(button, &QAbstractButton::clicked, this, &LineFitHint::refresh);
    for (QCheckBox* check : {ui.chkBold, ui.chkLargeFont})
        connect(check, &QCheckBox::toggled, this, &LineFitHint::refresh);
    connect(ui.cboLMEnvelope, &QComboBox::activated, this, &LineFitHint::refresh);
    // The return-address Print shows while that sheet waits for its lines.
    ui.cmdRetAddress->installEventFilter(this);
    refresh();
}

bool LineFitHint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.cmdRetAddress
        && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        refresh();
    return QObject::eventFilter(watched, event);
}

void LineFitHint::refresh()
{
    const Composer composer = m_main.composerState();
    const FitLayout layout = fitLayout(composer, !m_ui.cmdRetAddress->isHidden(), m_measure);
    const std::array<LineFit, 5> fits = fitLines(composer.lines, layout, m_measure);
    const std::array<QLineEdit*, 5> boxes{m_ui.txtLMLine1, m_ui.txtLMLine2, m_ui.txtLMline3, m_ui.txtLMLine4,
                                          m_ui.txtLMLine5};
    for (int i = 0; i < 5; ++i)
        mark(boxes[i], lineFitMessage(i + 1, fits[i], layout.stock));
    m_ui.lblLMFitHint->setText(lineFitHint(fits, layout.stock));
}
