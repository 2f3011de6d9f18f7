#include "help/frmLMAbout.h"

#include "help/HelpTargets.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPointer<frmLMAbout> g_about;
Platform* g_aboutPlatform = nullptr;

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

QPoint besideCaller(const QRect& caller, const QSize& size, const QRect& screen)
{
    constexpr int gap = 8;
    int x = caller.right() + 1 + gap;
    if (x + size.width() > screen.right() + 1)
        x = caller.left() - gap - size.width();
    x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
    const int y = std::clamp(caller.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

frmLMAbout::frmLMAbout(Platform& platform, QWidget* parent) : QWidget(parent, Qt::Window), m_platform(platform)
{
    setObjectName(QStringLiteral("frmLMAbout"));
    setWindowTitle(aboutCaption());
    // Closing it never ends the program; only the main window does.
    setAttribute(Qt::WA_QuitOnClose, false);

    picIcon = makeLabel(QStringLiteral("picIcon"), QString(), this);
    picIcon->setPixmap(QPixmap(QStringLiteral(":/icons/tessaprint.png"))
                           .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picIcon->setAlignment(Qt::AlignTop);
    lblTitle = makeLabel(QStringLiteral("lblTitle"), programTitle(), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = makeLabel(QStringLiteral("lblVersion"), versionText(), this);
    lblDescription = makeLabel(QStringLiteral("lblDescription"), aboutDescription(), this);
    lblDescription->setWordWrap(true);
    lblDisclaimer = makeLabel(QStringLiteral("lblDisclaimer"), aboutDisclaimer(), this);
    lblDisclaimer->setWordWrap(true);
    QFont small = lblDisclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    lblDisclaimer->setFont(small);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addLayout(texts, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(bottom);
    setFixedWidth(460);

    connect(cmdOK, &QPushButton::clicked, this, &frmLMAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmLMAbout::cmdSysInfo_Click);
}

frmLMAbout* frmLMAbout::instance()
{
    return g_about;
}

frmLMAbout* frmLMAbout::showBeside(QWidget* caller, Platform& platform)
{
    // A window made for another platform (a test's earlier one) is not reused.
    if (g_about && g_aboutPlatform != &platform)
        delete g_about.data();
    if (!g_about) {
        g_about = new frmLMAbout(platform);
        g_aboutPlatform = &platform;
    }
    frmLMAbout* about = g_about;
    if (caller && !about->isVisible()) {
        about->adjustSize();
        const QScreen* screen = caller->screen() ? caller->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), about->size());
        about->move(besideCaller(caller->frameGeometry(), about->frameGeometry().size(), area));
    }
    about->show();
    about->raise();
    about->activateWindow();
    return about;
}

void frmLMAbout::cmdOK_Click()
{
    close();
}

void frmLMAbout::cmdSysInfo_Click()
{
    startSystemInformation(m_platform);
}
