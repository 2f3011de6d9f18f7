#include "help/frmLMAbout.h"

#include "help/HelpTargets.h"
#include "ui_frmLMAbout.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace {

QPointer<frmLMAbout> g_about;
Platform* g_aboutPlatform = nullptr;

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

frmLMAbout::frmLMAbout(Platform& platform, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmLMAbout>()), m_platform(platform)
{
    ui->setupUi(this);
    setWindowTitle(aboutCaption());
    // Closing it never ends the program; only the main window does.
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->picIcon->setPixmap(QPixmap(QStringLiteral(":/icons/tessaprint.png"))
                               .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->lblTitle->setText(programTitle());
    ui->lblVersion->setText(versionText());
    ui->lblDescription->setText(aboutDescription());
    ui->lblDisclaimer->setText(aboutDisclaimer());
    // Sizes relative to the user's font, which a .ui cannot hold.
    QFont titleFont = ui->lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    ui->lblTitle->setFont(titleFont);
    QFont small = ui->lblDisclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    ui->lblDisclaimer->setFont(small);

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmLMAbout::cmdOK_Click);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, &frmLMAbout::cmdSysInfo_Click);
}

frmLMAbout::~frmLMAbout() = default;

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
