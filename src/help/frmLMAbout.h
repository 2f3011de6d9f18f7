#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>

class Platform;
namespace Ui {
class frmLMAbout;
}

// Where a window of this size goes beside the caller: to its right, else to its left,
// always on the screen.
QPoint besideCaller(const QRect& caller, const QSize& size, const QRect& screen);

// The About window: title, version, description, disclaimer and System Info.
class frmLMAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmLMAbout(Platform& platform, QWidget* parent = nullptr);
    ~frmLMAbout() override;

    // The one About window, created on first use, shown beside the caller, which stays
    // visible; a second call brings the same window forward.
    static frmLMAbout* showBeside(QWidget* caller, Platform& platform);
    // The shared window, or null before the first showBeside.
    static frmLMAbout* instance();

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    std::unique_ptr<Ui::frmLMAbout> ui; // from frmLMAbout.ui
    Platform& m_platform;
};
