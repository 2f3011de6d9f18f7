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

#include <QElapsedTimer>
#include <QKeySequence>
#include <QRegularExpression>
#include <QWindow>

// What Qt's own test library sends: a key as the window system delivers it, shortcuts first.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                                    const QString& text = QString(), bool autorepeat = false, ushort count = 1);

// Presses and releases `keys` in `window` as the keyboard does: shortcuts, mnemonics (Alt+F)
// and the focused control all see it.
inline void pressKeys(QWidget* window, const QKeySequence& keys)
{
    const QKeyCombination combination = keys[0];
    const int key = combination.key();
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        text = QStringLiteral("\r");
    else if (key == Qt::Key_Escape)
        text = QStringLiteral("\x1b");
    else if (key < 0x80 && !(modifiers & Qt::ControlModifier))
        text = QString(QChar(key)).toLower();
    QWindow* handle = window->window()->windowHandle();
    qt_handleKeyEvent(handle, QEvent::KeyPress, key, modifiers, text);
    qt_handleKeyEvent(handle, QEvent::KeyRelease, key, modifiers, text);
    // A button's mnemonic or shortcut clicks it the way a click shows: pressed, then released a
    // moment later.
    QElapsedTimer waited;
    waited.start();
    do
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    while (waited.elapsed() < 150);
}

// A control's caption as it reads, without its mnemonic mark: "&Print" reads "Print".
inline QString caption(QString text)
{
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    return text.replace(mark, QStringLiteral("\\1"));
}
