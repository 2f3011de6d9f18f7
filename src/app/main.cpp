#include "app/frmLDeded.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaprint"));

    QtPlatform platform;
    frmLDeded window(platform);
    platform.setDialogParent(&window);
    window.show();
    return QApplication::exec();
}
