#include "windows/RecordLinesModel.h"

int RecordLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant RecordLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ContactList::ListLine& line = m_lines[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return line.text;
    case RecordRole:
        return line.record;
    case Qt::AccessibleTextRole:
        return ContactList::spokenLine(line.text);
    default:
        return {};
    }
}

void RecordLinesModel::append(std::vector<ContactList::ListLine> lines)
{
    if (lines.empty())
        return;
    if (m_lines.empty()) {
        // A reset tells the view once, rather than row by row.
        beginResetModel();
        m_lines = std::move(lines);
        endResetModel();
        return;
    }
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(lines.size()) - 1);
    m_lines.insert(m_lines.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    endInsertRows();
}

void RecordLinesModel::insertLine(int row, ContactList::ListLine line)
{
    beginInsertRows(QModelIndex(), row, row);
    m_lines.insert(m_lines.begin() + row, std::move(line));
    endInsertRows();
}

void RecordLinesModel::removeLine(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_lines.erase(m_lines.begin() + row);
    endRemoveRows();
}

void RecordLinesModel::clear()
{
    if (m_lines.empty())
        return;
    beginResetModel();
    m_lines.clear();
    m_lines.shrink_to_fit();
    endResetModel();
}

QStringList RecordLinesModel::texts() const
{
    QStringList texts;
    texts.reserve(rowCount());
    for (const ContactList::ListLine& line : m_lines)
        texts << line.text;
    return texts;
}

std::vector<int> RecordLinesModel::records() const
{
    std::vector<int> records;
    records.reserve(m_lines.size());
    for (const ContactList::ListLine& line : m_lines)
        records.push_back(line.record);
    return records;
}
