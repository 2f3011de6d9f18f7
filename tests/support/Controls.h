#pragma once

#include <QMenu>
#include <QObject>
#include <QString>
#include <QWidget>

#include <memory>
#include <stdexcept>
#include <string>

namespace controls_detail {

// The window a control belongs to: its menus' windows are the window, not the menus.
inline const QObject* ownerWindow(const QObject* object)
{
    for (const QObject* at = object->parent(); at; at = at->parent()) {
        const auto* widget = qobject_cast<const QWidget*>(at);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            return widget;
    }
    return nullptr;
}

} // namespace controls_detail

// The control (widget, menu or menu item) named `name` in `window`, as the window's .ui names
// it; never one of a window it opened. A missing name, or one of another kind, fails the test
// that asked, saying which:
//   named<QPushButton>(list, "cmdACGetReport")->click();
template <typename T> T* named(const QWidget* window, const QString& name)
{
    for (T* found : window->findChildren<T*>(name)) {
        if (controls_detail::ownerWindow(found) == window)
            return found;
    }
    throw std::runtime_error("no " + std::string(T::staticMetaObject.className()) + " named " + name.toStdString()
                             + " in " + window->objectName().toStdString());
}

template <typename T, typename Window> T* named(const std::unique_ptr<Window>& window, const QString& name)
{
    return named<T>(window.get(), name);
}

#include <QApplication>
#include <QKeyEvent>

// Types `text` into `widget` key by key, as the keyboard does (a validator sees each key).
inline void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}
