#include "windows/TabStopDelegate.h"

#include "platform/TabStops.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

namespace {
// The average over the letters, as a list control measures its font for tab stops; a font's
// own average (from its tables) runs narrower than the text it sets.
double averageLetterWidth(const QFont& font)
{
    const QString letters = QString::fromLatin1(TabStops::letters);
    return QFontMetricsF(font).horizontalAdvance(letters) / letters.size();
}
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const double unit = averageLetterWidth(item.font) / 4.0;
    QTextOption layout;
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setTabStopDistance(TabStops::defaultStop * unit);
    QList<QTextOption::Tab> tabs;
    for (int stop : m_units)
        tabs << QTextOption::Tab(stop * unit, QTextOption::LeftTab);
    layout.setTabs(tabs);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    painter->save();
    painter->setFont(item.font);
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(area, text, layout);
    painter->restore();
}
