#include "app/LineFitHint.h"

#include "app/frmLDeded.h"
#include "print/LineFit.h"

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

LineFitHint::LineFitHint(frmLDeded& main) : QObject(&main), m_main(main)
{
    m_main.lblLMFitHint->setStyleSheet(QStringLiteral("color: #b71c1c;"));
    for (QLineEdit* box : {main.txtLMLine1, main.txtLMLine2, main.txtLMline3, main.txtLMLine4, main.txtLMLine5,
                           main.txtLMLeftPad})
        connect(box, &QLineEdit::textChanged, this, &LineFitHint::refresh);
    for (QRadioButton* option :
         {main.optLMLabel, main.optLMEnvelope, main.optPortrait, main.optLandscape, main.optLMCenter, main.optLMLeftjust})
        connect(option, &QRadioButton::toggled, this, &LineFitHint::refresh);
    // Connected after the window's own handlers, so these see what the handlers leave.
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             main.optLMLabel, main.optLMEnvelope, main.cmdLMClear, main.cmdLMStart})
        connect(button, &QAbstractButton::clicked, this, &LineFitHint::refresh);
    for (QCheckBox* check : {main.chkBold, main.chkLargeFont})
        connect(check, &QCheckBox::toggled, this, &LineFitHint::refresh);
    connect(main.cboLMEnvelope, &QComboBox::activated, this, &LineFitHint::refresh);
    // The return-address Print shows while that sheet waits for its lines.
    main.cmdRetAddress->installEventFilter(this);
    refresh();
}

bool LineFitHint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_main.cmdRetAddress
        && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        refresh();
    return QObject::eventFilter(watched, event);
}

void LineFitHint::refresh()
{
    const Composer composer = m_main.composerState();
    const FitLayout layout = fitLayout(composer, !m_main.cmdRetAddress->isHidden(), m_measure);
    const std::array<LineFit, 5> fits = fitLines(composer.lines, layout, m_measure);
    const std::array<QLineEdit*, 5> boxes{m_main.txtLMLine1, m_main.txtLMLine2, m_main.txtLMline3, m_main.txtLMLine4,
                                          m_main.txtLMLine5};
    for (int i = 0; i < 5; ++i)
        mark(boxes[i], lineFitMessage(i + 1, fits[i], layout.stock));
    m_main.lblLMFitHint->setText(lineFitHint(fits, layout.stock));
}
