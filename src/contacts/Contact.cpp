#include "contacts/Contact.h"

#include "contacts/Windows1252.h"

#include <array>

namespace {

struct Layout {
    std::array<Contact::FieldInfo, Contact::FieldCount> fields;
};

Layout makeLayout()
{
    struct Def {
        const char* name;
        QString Contact::*member;
    };
    const Def defs[Contact::FieldCount] = {
        {"FirstName", &Contact::FirstName},
        {"MiddleInitial", &Contact::MiddleInitial},
        {"LastName", &Contact::LastName},
        {"Street1", &Contact::Street1},
        {"Street2", &Contact::Street2},
        {"City", &Contact::City},
        {"State", &Contact::State},
        {"Zip", &Contact::Zip},
        {"Country", &Contact::Country},
        {"HomePhone", &Contact::HomePhone},
        {"CellPhone", &Contact::CellPhone},
        {"WorkPhone", &Contact::WorkPhone},
        {"Email", &Contact::Email},
        {"Birthdate", &Contact::Birthdate},
        {"Category", &Contact::Category},
        {"Notes", &Contact::Notes},
        {"Company", &Contact::Company},
        {"IncludeCompany", &Contact::IncludeCompany},
        {"BirthdayReminder", &Contact::BirthdayReminder},
    };
    Layout layout;
    for (int i = 0; i < Contact::FieldCount; ++i)
        layout.fields[i] = {defs[i].name, Contact::FieldWidths[i], Contact::fieldOffset(i), defs[i].member};
    return layout;
}

const Layout& layout()
{
    static const Layout instance = makeLayout();
    return instance;
}

} // namespace

const Contact::FieldInfo& Contact::fieldInfo(int i)
{
    return layout().fields.at(i);
}

Contact Contact::blank()
{
    Contact c;
    for (int i = 0; i < FieldCount; ++i)
        c.field(i) = QString(fieldInfo(i).width, u' ');
    return c;
}

QByteArray Contact::toRecord() const
{
    QByteArray record;
    record.reserve(RecordLength);
    for (int i = 0; i < FieldCount; ++i) {
        const FieldInfo& info = fieldInfo(i);
        QByteArray bytes = toWindows1252(field(i));
        if (bytes.size() > info.width)
            bytes.truncate(info.width);
        record.append(bytes);
        record.append(info.width - bytes.size(), ' ');
        if (i + 1 < FieldCount)
            record.append('|');
    }
    record.append("\r\n", 2);
    Q_ASSERT(record.size() == RecordLength);
    return record;
}

Contact Contact::fromRecord(const QByteArray& bytes)
{
    QByteArray full = bytes.left(RecordLength);
    if (full.size() < RecordLength)
        full.append(RecordLength - full.size(), ' ');
    return fromRecordBytes(full.constData());
}

Contact Contact::fromRecordBytes(const char* record)
{
    Contact c;
    for (int i = 0; i < FieldCount; ++i)
        c.field(i) = fieldFromRecord(record, i);
    return c;
}

QString Contact::fieldFromRecord(const char* record, int i)
{
    QString text;
    fieldFromRecord(record, i, text);
    return text;
}

void Contact::fieldFromRecord(const char* record, int i, QString& text)
{
    const FieldInfo& info = fieldInfo(i);
    fromWindows1252(QByteArrayView(record + info.offset, info.width), text);
}

void Contact::normaliseRecord(char* record)
{
    for (int i = 0; i + 1 < FieldCount; ++i)
        record[fieldOffset(i) + FieldWidths[i]] = '|';
    record[RecordLength - 2] = '\r';
    record[RecordLength - 1] = '\n';
}
