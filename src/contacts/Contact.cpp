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
        int width;
        QString Contact::*member;
    };
    const Def defs[Contact::FieldCount] = {
        {"FirstName", 11, &Contact::FirstName},
        {"MiddleInitial", 1, &Contact::MiddleInitial},
        {"LastName", 16, &Contact::LastName},
        {"Street1", 30, &Contact::Street1},
        {"Street2", 15, &Contact::Street2},
        {"City", 16, &Contact::City},
        {"State", 2, &Contact::State},
        {"Zip", 10, &Contact::Zip},
        {"Country", 19, &Contact::Country},
        {"HomePhone", 15, &Contact::HomePhone},
        {"CellPhone", 15, &Contact::CellPhone},
        {"WorkPhone", 13, &Contact::WorkPhone},
        {"Email", 50, &Contact::Email},
        {"Birthdate", 8, &Contact::Birthdate},
        {"Category", 80, &Contact::Category},
        {"Notes", 160, &Contact::Notes},
        {"Company", 30, &Contact::Company},
        {"IncludeCompany", 1, &Contact::IncludeCompany},
        {"BirthdayReminder", 1, &Contact::BirthdayReminder},
    };
    Layout layout;
    int offset = 0;
    for (int i = 0; i < Contact::FieldCount; ++i) {
        layout.fields[i] = {defs[i].name, defs[i].width, offset, defs[i].member};
        offset += defs[i].width + 1; // the separator (or, after the last field, CR)
    }
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
