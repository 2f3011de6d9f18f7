#pragma once

#include "contacts/Contact.h"
#include "contacts/FieldText.h"

#include <QByteArrayView>
#include <QString>

// One record's 513 bytes as the file holds them, read a field at a time: the long passes over
// a file decode only the fields they need.
class RecordView {
public:
    explicit RecordView(const char* record) : m_record(record) {}

    // Padding kept.
    QByteArrayView bytes(RecordField f) const
    {
        return QByteArrayView(m_record + Contact::fieldOffset(f), Contact::fieldWidth(f));
    }
    QByteArrayView trimmed(RecordField f) const { return trimSpaces(bytes(f)); }
    // The one byte of a flag field ('1' or '0').
    char flag(RecordField f) const { return m_record[Contact::fieldOffset(f)]; }
    // Decoded with its padding, as Contact::fromRecord gives it.
    QString text(RecordField f) const { return Contact::fieldFromRecord(m_record, static_cast<int>(f)); }
    // The same into `text`, reusing its storage.
    void text(RecordField f, QString& text) const
    {
        Contact::fieldFromRecord(m_record, static_cast<int>(f), text);
    }

private:
    const char* m_record;
};
