#include "windows/WindowPieces.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace {

// A text box's frame and margins beside its characters; a button's beside its caption.
constexpr int kBoxFrame = 12;
constexpr int kButtonFrame = 16;

void applyFont(QWidget* widget)
{
    const QVariant scale = widget->property("fontScale");
    const QVariant size = widget->property("fontPointSize");
    if (!scale.isValid() && !size.isValid())
        return;
    QFont font = widget->font();
    if (scale.isValid())
        font.setPointSizeF(font.pointSizeF() * scale.toDouble());
    if (size.isValid())
        font.setPointSizeF(size.toDouble());
    widget->setFont(font);
}

void applySizes(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const int frame = qobject_cast<QLineEdit*>(widget) ? kBoxFrame : 0;
    const auto chars
        = [&](const char* name) { return metrics.averageCharWidth() * widget->property(name).toInt() + frame; };
    const auto sample
        = [&](const char* name) { return metrics.horizontalAdvance(widget->property(name).toString()) + kButtonFrame; };
    if (widget->property("minimumWidthChars").isValid())
        widget->setMinimumWidth(chars("minimumWidthChars"));
    if (widget->property("maximumWidthChars").isValid())
        widget->setMaximumWidth(chars("maximumWidthChars"));
    if (widget->property("maximumWidthSample").isValid())
        widget->setMaximumWidth(sample("maximumWidthSample"));
    if (widget->property("fixedWidthSample").isValid())
        widget->setFixedWidth(sample("fixedWidthSample"));
    if (const QVariant lines = widget->property("minimumHeightLines"); lines.isValid())
        widget->setMinimumHeight(metrics.height() * lines.toInt());
    if (widget->property("keepRoomWhenHidden").toBool()) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
}

// A label marked announced is exposed as a notification whose name is its text.
class AnnouncedLabel : public QAccessibleWidget {
public:
    explicit AnnouncedLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) { }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

} // namespace

void announce(QLabel* status)
{
    if (status->isVisible() && !status->text().isEmpty()) {
        QAccessibleEvent shown(status, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

void applyFormHints(QWidget* form)
{
    QList<QWidget*> widgets = form->findChildren<QWidget*>();
    widgets.prepend(form);
    // Every font first: a size measures the font its widget ends up with.
    for (QWidget* widget : widgets)
        applyFont(widget);
    for (QWidget* widget : widgets)
        applySizes(widget);
    // Made before anything asks for the label, as an interface is kept once made.
    for (QWidget* widget : widgets)
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->property("announced").toBool())
            QAccessible::registerAccessibleInterface(new AnnouncedLabel(label));
}

void closeOnEscape(QWidget* window)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
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
