#include "app/frmLDeded.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaprint"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tessaprint.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessaprint.Tessaprint"));

    QtPlatform platform;
    frmLDeded window(platform);
    platform.setDialogParent(&window);
    window.show();
    return QApplication::exec();
}
