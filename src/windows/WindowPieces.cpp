#include "windows/WindowPieces.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>

QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

QString captionWithFile(const QString& caption, const QString& fileTitle)
{
    return caption + QStringLiteral("  [") + fileTitle + u']';
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}
