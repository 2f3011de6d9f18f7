#include "app/LineFitHint.h"

#include "app/LongLineMark.h"
#include "app/frmLDeded.h"
#include "print/LineFit.h"
#include "ui_frmLDeded.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

void mark(QLineEdit* box, const QString& message, const MarkColours& colours, const QString& otherwise)
{
    const QString style = message.isEmpty()
        ? QString()
        : QStringLiteral("QLineEdit { background: %1; color: %2; border: 2px solid %3; }")
              .arg(colours.background.name(), colours.text.name(), colours.alarm.name());
    if (box->styleSheet() != style)
        box->setStyleSheet(style);
    box->setToolTip(message);
    box->setAccessibleDescription(message.isEmpty() ? otherwise : message);
}

} // namespace

LineFitHint::LineFitHint(frmLDeded& main, Ui::frmLDeded& controls) : QObject(&main), m_main(main), m_ui(controls)
{
    const Ui::frmLDeded& ui = controls;
    m_oneLine = ui.lblLMFitHint->minimumHeight();
    m_descriptions = {ui.txtLMLine1->accessibleDescription(), ui.txtLMLine2->accessibleDescription(),
                      ui.txtLMline3->accessibleDescription(), ui.txtLMLine4->accessibleDescription(),
                      ui.txtLMLine5->accessibleDescription()};
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
    // A new palette (a dark scheme) recolours the marks.
    main.installEventFilter(this);
    refresh();
}

bool LineFitHint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.cmdRetAddress
        && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        refresh();
    if (watched == &m_main && event->type() == QEvent::PaletteChange)
        refresh();
    if (watched == &m_main && event->type() == QEvent::Resize && m_main.height() == m_askedHeight)
        m_askedHeight = 0;
    return QObject::eventFilter(watched, event);
}

void LineFitHint::refresh()
{
    const Composer composer = m_main.composerState();
    const FitLayout layout = fitLayout(composer, !m_ui.cmdRetAddress->isHidden(), m_measure);
    const std::array<LineFit, 5> fits = fitLines(composer.lines, layout, m_measure);
    const std::array<QLineEdit*, 5> boxes{m_ui.txtLMLine1, m_ui.txtLMLine2, m_ui.txtLMline3, m_ui.txtLMLine4,
                                          m_ui.txtLMLine5};
    const MarkColours colours = markColours(m_main.palette());
    for (int i = 0; i < 5; ++i)
        mark(boxes[i], lineFitMessage(i + 1, fits[i], layout.stock), colours, m_descriptions[std::size_t(i)]);
    const QString hintStyle = QStringLiteral("color: %1;").arg(colours.alarm.name());
    if (m_ui.lblLMFitHint->styleSheet() != hintStyle)
        m_ui.lblLMFitHint->setStyleSheet(hintStyle);
    m_ui.lblLMFitHint->setText(lineFitHint(fits, layout.stock));
    makeRoomForHint();
    emit refreshed();
}

// Each line the hint says grows the window by its height and each it stops saying shrinks it
// again, so that the boxes above keep their size and the window ends as tall as it began.
void LineFitHint::makeRoomForHint()
{
    QLabel* hint = m_ui.lblLMFitHint;
    // Measured as the label sets its text; its size hint would not shrink below its minimum.
    const QRect text = hint->fontMetrics().boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                                        Qt::AlignLeft | Qt::AlignTop, hint->text());
    const int needed = std::max(m_oneLine, text.height());
    const int grow = needed - hint->minimumHeight();
    if (grow == 0)
        return;
    // A window resizes when the desktop gets round to it: count from the height last asked for.
    const int height = (m_askedHeight ? m_askedHeight : m_main.height()) + grow;
    hint->setMinimumHeight(needed);
    if (!m_main.isVisible() || (m_main.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    // The new minimum first, which may itself grow the window; then the height wanted. The
    // composer's column sits in the central widget's own layout, beside the sheet: that one first.
    m_ui.centralwidget->layout()->activate();
    m_main.layout()->activate();
    m_main.resize(m_main.width(), height);
    m_askedHeight = height;
}
