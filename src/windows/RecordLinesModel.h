#pragma once

#include "contacts/ContactList.h"

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

// A list's lines and the record number each carries, kept in one vector and moved in: an item
// or a string list copy per line would cost more, at 100,000 contacts, than reading them.
class RecordLinesModel : public QAbstractListModel {
public:
    // A line's record number (0 for a pasted line).
    static constexpr int RecordRole = Qt::UserRole + 1;

    explicit RecordLinesModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Adds the lines after those listed.
    void append(std::vector<ContactList::ListLine> lines);
    void insertLine(int row, ContactList::ListLine line);
    void removeLine(int row);
    void clear();

    const std::vector<ContactList::ListLine>& lines() const { return m_lines; }
    QStringList texts() const;
    std::vector<int> records() const;

private:
    std::vector<ContactList::ListLine> m_lines;
};
