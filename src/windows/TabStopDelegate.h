#pragma once

#include <QList>
#include <QStyledItemDelegate>

// Draws a list's lines with TAB characters expanded to tab stops given in the list's own
// unit: a quarter of the average character width of the list's font.
class TabStopDelegate : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

    // No stops: every 32 units, the list's default.
    void setTabStops(const QList<int>& units) { m_units = units; }
    const QList<int>& tabStops() const { return m_units; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QList<int> m_units;
};
