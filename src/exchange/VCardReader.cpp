#include "exchange/VCardReader.h"

#include "contacts/Windows1252.h"

#include <QStringDecoder>

namespace {

bool startsWith(const QByteArray& bytes, const char* prefix)
{
    return bytes.startsWith(QByteArrayView(prefix));
}

QByteArray withoutByteOrderMark(const QByteArray& bytes)
{
    if (startsWith(bytes, "\xFF\xFE"))
        return QString(QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2))).toUtf8();
    if (startsWith(bytes, "\xFE\xFF"))
        return QString(QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2))).toUtf8();
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return bytes.mid(3);
    return bytes;
}

// Where `what` first stands outside double quotes, or -1.
qsizetype unquoted(QByteArrayView line, char what, qsizetype from = 0)
{
    bool quoted = false;
    for (qsizetype i = from; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == what && !quoted)
            return i;
    }
    return -1;
}

QList<QByteArray> splitUnquoted(const QByteArray& text, char separator)
{
    QList<QByteArray> parts;
    qsizetype from = 0;
    for (qsizetype at; (at = unquoted(text, separator, from)) >= 0; from = at + 1)
        parts << text.mid(from, at - from);
    parts << text.mid(from);
    return parts;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray fromQuotedPrintable(const QByteArray& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int high = text[i] == '=' && i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            bytes.append(char(high * 16 + low));
            i += 2;
        } else if (!(text[i] == '=' && i + 1 == text.size())) { // a soft break with nothing after it
            bytes.append(text[i]);
        }
    }
    return bytes;
}

bool isEncoding(const QByteArray& word)
{
    return word == "QUOTED-PRINTABLE" || word == "BASE64" || word == "B" || word == "8BIT" || word == "7BIT";
}

QByteArray unquotedValue(QByteArray value)
{
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.mid(1, value.size() - 2);
    return value;
}

// One character after a backslash; false for one that escapes nothing (the backslash stays).
bool unescaped(QChar next, QChar& out)
{
    if (next == u'n' || next == u'N')
        out = u'\n';
    else if (next == u',' || next == u';' || next == u'\\' || next == u':')
        out = next;
    else
        return false;
    return true;
}

} // namespace

bool VCardProperty::hasType(const char* type) const
{
    return types.contains(QLatin1String(type));
}

QString VCardProperty::text() const
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size() && unescaped(value[i + 1], c))
            ++i;
        out.append(c);
    }
    return out;
}

QVector<QStringList> VCardProperty::components() const
{
    QVector<QStringList> parts{QStringList{QString()}};
    for (qsizetype i = 0; i < value.size(); ++i) {
        QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size() && unescaped(value[i + 1], c))
            ++i;
        else if (c == u';') {
            parts.append(QStringList{QString()});
            continue;
        } else if (c == u',') {
            parts.last().append(QString());
            continue;
        }
        parts.last().last().append(c);
    }
    return parts;
}

QVector<const VCardProperty*> VCard::all(const char* name) const
{
    QVector<const VCardProperty*> found;
    for (const VCardProperty& p : properties)
        if (p.name == QLatin1String(name))
            found << &p;
    return found;
}

const VCardProperty* VCard::first(const char* name) const
{
    for (const VCardProperty& p : properties)
        if (p.name == QLatin1String(name))
            return &p;
    return nullptr;
}

VCardReader::VCardReader(const QByteArray& bytes) : m_bytes(withoutByteOrderMark(bytes))
{
    m_utf8 = QByteArrayView(m_bytes).isValidUtf8();
}

bool VCardReader::looksLikeVCard(const QByteArray& head)
{
    const QByteArray text = withoutByteOrderMark(head).trimmed();
    return text.left(11).toUpper() == "BEGIN:VCARD";
}

std::optional<QByteArray> VCardReader::physicalLine()
{
    if (m_at >= m_bytes.size())
        return std::nullopt;
    qsizetype end = m_at;
    while (end < m_bytes.size() && m_bytes[end] != '\r' && m_bytes[end] != '\n')
        ++end;
    QByteArray line = m_bytes.mid(m_at, end - m_at);
    m_at = end;
    if (m_at < m_bytes.size() && m_bytes[m_at] == '\r')
        ++m_at;
    if (m_at < m_bytes.size() && m_bytes[m_at] == '\n')
        ++m_at;
    return line;
}

std::optional<QByteArray> VCardReader::logicalLine()
{
    if (m_back) {
        std::optional<QByteArray> back = std::move(m_back);
        m_back.reset();
        return back;
    }
    std::optional<QByteArray> line = m_ahead ? std::move(m_ahead) : physicalLine();
    m_ahead.reset();
    if (!line)
        return line;
    // A line that starts with a space or a tab continues the one before, without that character.
    while (std::optional<QByteArray> more = physicalLine()) {
        if (more->isEmpty() || (more->front() != ' ' && more->front() != '\t')) {
            m_ahead = std::move(more);
            break;
        }
        line->append(more->mid(1));
    }
    return line;
}

QString VCardReader::decoded(const QByteArray& bytes, const QByteArray& charset) const
{
    const QByteArray name = charset.toUpper();
    const bool utf8 = name.isEmpty() ? m_utf8 : name == "UTF-8" || name == "UTF8";
    if (utf8 && QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    if (!utf8 && !name.isEmpty() && !name.startsWith("ISO-8859-1") && !name.startsWith("ISO8859-1")
        && name != "WINDOWS-1252" && name != "CP1252" && name != "US-ASCII" && name != "ASCII") {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid()) {
            const QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    // Windows-1252 holds ISO-8859-1, and every byte means some character in it.
    return fromWindows1252(bytes);
}

std::optional<VCardProperty> VCardReader::property(QByteArray line)
{
    const qsizetype colon = unquoted(line, ':');
    if (colon <= 0)
        return std::nullopt;
    const QList<QByteArray> head = splitUnquoted(line.left(colon), ';');
    QByteArray raw = line.mid(colon + 1);

    VCardProperty p;
    const QByteArray& fullName = head.front();
    const qsizetype dot = fullName.lastIndexOf('.');
    p.group = QString::fromUtf8(fullName.left(std::max<qsizetype>(dot, 0))).trimmed();
    p.name = QString::fromUtf8(fullName.mid(dot + 1)).trimmed().toUpper();
    QByteArray encoding;
    QByteArray charset;
    for (qsizetype i = 1; i < head.size(); ++i) {
        const qsizetype eq = head[i].indexOf('=');
        const QByteArray key = (eq < 0 ? head[i] : head[i].left(eq)).trimmed().toUpper();
        const QByteArray value = eq < 0 ? QByteArray() : unquotedValue(head[i].mid(eq + 1).trimmed());
        if (eq < 0 && isEncoding(key)) {
            encoding = key;
        } else if (eq < 0 || key == "TYPE") {
            for (const QByteArray& type : (eq < 0 ? key : value).split(','))
                if (const QByteArray t = unquotedValue(type.trimmed()).toLower(); !t.isEmpty())
                    p.types << QString::fromUtf8(t);
        } else if (key == "ENCODING") {
            encoding = value.toUpper();
        } else if (key == "CHARSET") {
            charset = value;
        } else if (key == "PREF") {
            p.pref = std::max(value.toInt(), 1);
        } else if (key == "VALUE") {
            p.valueType = QString::fromUtf8(value).toLower();
        } else if (key == "X-APPLE-OMIT-YEAR") {
            p.omitYear = QString::fromUtf8(value);
        }
    }
    if (p.pref == 0 && p.hasType("pref"))
        p.pref = 1;

    if (encoding == "QUOTED-PRINTABLE") {
        // A line ending in '=' goes on in the next (a soft line break).
        while (raw.endsWith('=')) {
            std::optional<QByteArray> more = logicalLine();
            if (!more)
                break;
            if (more->trimmed().toUpper() == "END:VCARD") {
                m_back = std::move(more);
                break;
            }
            raw.chop(1);
            raw.append(*more);
        }
        raw = fromQuotedPrintable(raw);
    } else if (encoding == "BASE64" || encoding == "B") {
        p.binary = true;
        return p;
    }
    p.value = decoded(raw, charset);
    return p;
}

std::optional<VCard> VCardReader::next()
{
    std::optional<VCard> card;
    int depth = 0;
    while (std::optional<QByteArray> line = logicalLine()) {
        std::optional<VCardProperty> p = property(std::move(*line));
        if (!p)
            continue;
        const bool vcard = p->text().trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0;
        if (p->name == QLatin1String("BEGIN") && vcard) {
            if (depth++ == 0)
                card.emplace();
        } else if (p->name == QLatin1String("END") && vcard) {
            if (depth > 0 && --depth == 0)
                return card;
        } else if (depth == 1) {
            if (p->name == QLatin1String("VERSION"))
                card->version = p->text().trimmed();
            card->properties.push_back(std::move(*p));
        }
    }
    return card;
}
