#include "contacts/StoredText.h"

#include "contacts/Windows1252.h"

namespace {

// The code point at i and how many UTF-16 units it takes; a lone surrogate counts as itself.
char32_t codePointAt(const QString& text, qsizetype i, int& units)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    units = 1;
    return c.unicode();
}

// Text of ASCII and Latin-1 letters alone, as nearly all is: already composed (nothing below
// U+0300 composes) and every character its own byte, so it is taken as it stands.
bool plainLatin1(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x100 || (u >= 0x80 && u < 0xA0))
            return false;
    }
    return true;
}

} // namespace

QString composedText(const QString& text)
{
    return plainLatin1(text) ? text : text.normalized(QString::NormalizationForm_C);
}

StoredText storedText(const QString& text, qsizetype maxLength)
{
    StoredText result;
    if (plainLatin1(text)) {
        result.composed = maxLength < 0 || text.size() <= maxLength ? text : text.left(maxLength);
        result.stored = result.composed;
        result.length = result.composed.size();
        return result;
    }
    const QString composed = composedText(text);
    result.stored.reserve(composed.size());
    qsizetype i = 0;
    while (i < composed.size() && (maxLength < 0 || result.length < maxLength)) {
        int units = 1;
        const char32_t c = codePointAt(composed, i, units);
        if (isWindows1252(c)) {
            result.stored.append(composed.mid(i, units));
        } else {
            result.stored.append(u'?');
            if (!result.unstorable.contains(c))
                result.unstorable.push_back(c);
        }
        i += units;
        ++result.length;
    }
    result.composed = i == composed.size() ? composed : composed.left(i);
    return result;
}

qsizetype storedLength(const QString& text)
{
    if (plainLatin1(text))
        return text.size();
    const QString composed = composedText(text);
    qsizetype length = 0;
    for (qsizetype i = 0; i < composed.size(); ++length) {
        int units = 1;
        codePointAt(composed, i, units);
        i += units;
    }
    return length;
}

QString describeCharacters(const QVector<char32_t>& characters)
{
    QStringList parts;
    for (const char32_t c : characters) {
        QString shown = QString::fromUcs4(&c, 1);
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing)
            shown.prepend(QChar(0x25CC));
        parts << shown + QStringLiteral(" (U+%1)").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    }
    return parts.join(QStringLiteral(", "));
}

QVector<UnstorableField> unstorableFields(const Contact& record)
{
    QVector<UnstorableField> fields;
    for (int i = 0; i < Contact::FieldCount; ++i) {
        StoredText text = storedText(record.field(i), Contact::fieldInfo(i).width);
        if (!text.unstorable.isEmpty())
            fields.push_back({static_cast<RecordField>(i), std::move(text)});
    }
    return fields;
}
