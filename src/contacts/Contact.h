#pragma once

#include <QByteArray>
#include <QString>

// The 19 fields in record order; the value is the field's place in the record.
enum class RecordField : int {
    FirstName, MiddleInitial, LastName, Street1, Street2, City, State, Zip, Country,
    HomePhone, CellPhone, WorkPhone, Email, Birthdate, Category, Notes, Company,
    IncludeCompany, BirthdayReminder,
};

// One record of the contact file: 19 fixed-width text fields, 18 '|' and CR LF,
// 513 bytes, Windows-1252. Offsets: FirstName 0, MiddleInitial 12, LastName 14, ...,
// IncludeCompany 508, BirthdayReminder 510, CR LF 511.
//
// The fields hold text as read (padding kept); toRecord() pads with spaces or cuts each value
// to its width and does nothing else: trimming and upper-casing are the save rules' job,
// so read - change one field - write back leaves every other byte as it was.
struct Contact {
    static constexpr int RecordLength = 513;
    static constexpr int FieldCount = 19;

    QString FirstName;        // 11
    QString MiddleInitial;    // 1
    QString LastName;         // 16
    QString Street1;          // 30
    QString Street2;          // 15
    QString City;             // 16
    QString State;            // 2
    QString Zip;              // 10
    QString Country;          // 19
    QString HomePhone;        // 15
    QString CellPhone;        // 15
    QString WorkPhone;        // 13
    QString Email;            // 50
    QString Birthdate;        // 8, YYYYMMDD or 8 spaces (see Birthdate.h)
    QString Category;         // 80
    QString Notes;            // 160
    QString Company;          // 30
    QString IncludeCompany;   // 1, "1" or "0"
    QString BirthdayReminder; // 1, "1" or "0"

    // Field widths in record order; each field is followed by one byte, '|' or (the last) CR.
    static constexpr int FieldWidths[FieldCount] = {11, 1, 16, 30, 15, 16, 2, 10, 19, 15,
                                                    15, 13, 50, 8, 80, 160, 30, 1, 1};
    static constexpr int fieldOffset(int i)
    {
        int offset = 0;
        for (int f = 0; f < i; ++f)
            offset += FieldWidths[f] + 1;
        return offset;
    }
    static constexpr int fieldOffset(RecordField f) { return fieldOffset(static_cast<int>(f)); }
    static constexpr int fieldWidth(RecordField f) { return FieldWidths[static_cast<int>(f)]; }

    // Field i (0-based, in record order) by index, for code that walks all fields.
    struct FieldInfo {
        const char* name; // the field's own name: "FirstName", ...
        int width;
        int offset;       // byte offset in the record
        QString Contact::*member;
    };
    static const FieldInfo& fieldInfo(int i);
    QString& field(int i) { return this->*fieldInfo(i).member; }
    const QString& field(int i) const { return this->*fieldInfo(i).member; }
    QString& field(RecordField f) { return field(static_cast<int>(f)); }
    const QString& field(RecordField f) const { return field(static_cast<int>(f)); }

    // A record read from beyond the end of the file: every field all spaces.
    static Contact blank();

    // Exactly 513 bytes.
    QByteArray toRecord() const;
    // Fields at their fixed offsets, padding kept; separators and line end are not checked
    // (a file that is not a contact file still decodes). Missing bytes read as spaces.
    static Contact fromRecord(const QByteArray& bytes);
    // The same from exactly RecordLength bytes.
    static Contact fromRecordBytes(const char* record);
    // Every separator "|" and CR LF at the end of 513 raw bytes, whatever they held there: the
    // record as a writer writes it (the same bytes a decode and encode would give).
    static void normaliseRecord(char* record);
    // Field i of a raw record, decoded with its padding (as fromRecord gives it).
    static QString fieldFromRecord(const char* record, int i);
    // The same into `text`, reusing its storage.
    static void fieldFromRecord(const char* record, int i, QString& text);

    bool operator==(const Contact&) const = default;
};
