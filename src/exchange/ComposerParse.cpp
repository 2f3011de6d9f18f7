#include "exchange/ComposerParse.h"

#include "contacts/FieldText.h"

#include "platform/AppError.h"
#include "platform/Platform.h"

namespace {

// Classic string cuts, positions from 1. A negative length or a start before 1 is the
// run-time error 5 the handler reports, never a silent clamp.
AppError invalidArgument() { return AppError(5, QStringLiteral("Invalid procedure call or argument")); }

QString left(const QString& text, qsizetype count)
{
    if (count < 0)
        throw invalidArgument();
    return text.left(count);
}

QString right(const QString& text, qsizetype count)
{
    if (count < 0)
        throw invalidArgument();
    return text.right(count);
}

QString mid(const QString& text, qsizetype start, qsizetype count)
{
    if (start < 1 || count < 0)
        throw invalidArgument();
    if (start > text.size())
        return QString();
    return text.mid(start - 1, count);
}

// Position of the first `what` at or after character `from`, 0 when none.
qsizetype find(qsizetype from, const QString& text, const QString& what,
               Qt::CaseSensitivity cs = Qt::CaseSensitive)
{
    if (from < 1)
        throw invalidArgument();
    if (from > text.size())
        return 0;
    return text.indexOf(what, from - 1, cs) + 1;
}

bool contains(const QString& text, const QString& what) { return text.contains(what, Qt::CaseSensitive); }

QString removed(QString text, const QString& what) { return text.remove(what, Qt::CaseSensitive); }

QString trimLeading(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    return text.mid(start);
}

// The short titles written without a dot. Only the title at the front goes: removing every
// "Dr" or "Mr" would also eat the start of a name such as "Drew".
QString dropBareTitle(QString text)
{
    if (text.startsWith(u"Mrs"))
        text.remove(0, 3);
    if (text.startsWith(u"Miss "))
        text.remove(0, 4);
    if (text.startsWith(u"Mr"))
        text.remove(0, 2);
    if (text.startsWith(u"Ms"))
        text.remove(0, 2);
    if (text.startsWith(u"Dr "))
        text.remove(0, 2);
    return text;
}

const QString dottedTitles[] = {QStringLiteral("Mrs."), QStringLiteral("Mr."), QStringLiteral("Ms."),
                                QStringLiteral("Dr."), QStringLiteral("Miss ")};

QString firstName(const QString& line1)
{
    QString text = left(line1, 18);
    for (const QString& title : dottedTitles)
        text = removed(text, title);
    text = trimLeading(dropBareTitle(text));
    return trimSpaces(left(text, find(1, text, QStringLiteral(" ")) - 1));
}

// The line without a title in front, so the last name is counted from the name itself.
QString withoutTitle(const QString& line)
{
    QString text = line;
    for (const QString& title : dottedTitles) {
        if (text.startsWith(title)) {
            text.remove(0, title.size());
            break;
        }
    }
    return trimLeading(dropBareTitle(text));
}

// The middle initial: the highest code from "A" to "z" standing alone (optionally with a dot)
// after character 3. The six signs between "Z" and "a" count as a match that empties it.
std::optional<QString> middleInitial(const QString& t1)
{
    std::optional<QString> initial;
    for (char16_t code = 65; code <= 122; ++code) {
        const QString c(QChar{code});
        if (find(3, t1, QStringLiteral(" ") + c + QStringLiteral(". ")) > 0
            || find(3, t1, QStringLiteral(" ") + c + QStringLiteral(" ")) > 0)
            initial = (code >= 91 && code <= 96) ? QString() : c;
    }
    return initial;
}

QString lastName(const QString& t1, const QString& first, const QString& initial)
{
    const QString name = withoutTitle(t1);
    QString text = removed(right(name, name.size() - first.size() - initial.size()), QStringLiteral("."));
    if (text.size() >= 2 && text.at(1) == u' ')
        text = text.mid(2);
    return trimSpaces(text);
}

struct SuffixGroup {
    const char16_t* detection[3]; // unused slots stay null
    qsizetype detectFrom;
    const char16_t* position;
    qsizetype from;
    qsizetype kept;
};

const SuffixGroup suffixGroups[] = {
    {{u" ave "}, 1, u" Ave", 1, 4},
    {{u" AVENUE", u" Avenue", u" avenue"}, 1, u" Avenue", 1, 7},
    {{u" st "}, 1, u" st", 1, 3},
    {{u" STREET", u" Street", u" street"}, 1, u" Street", 1, 7},
    {{u" blvd ", u" Blvd", u" blvd"}, 1, u" blvd ", 6, 5},
    {{u" BOULEVARD", u" Boulevard", u" boulevard"}, 1, u" Boulevard", 6, 10},
    {{u" cir "}, 1, u" Cir ", 6, 4},
    {{u" CIRCLE", u" Circle", u" circle"}, 1, u" Circle", 6, 7},
    {{u" ct ", u" CT"}, 1, u" Ct ", 6, 3},
    {{u" COURT", u" Court", u" court"}, 1, u" Court", 6, 6},
    {{u" Dr ", u" dr ", u" DR "}, 1, u" Dr", 6, 3},
    {{u" DRIVE", u" Drive", u" drive"}, 1, u" Drive", 1, 6},
    {{u" hwy ", u" HWY"}, 1, u" Hwy", 6, 4},
    {{u" HIGHWAY", u" Highway", u" highway"}, 1, u" Highway", 6, 8},
    {{u" ln ", u" LN"}, 1, u" Ln ", 6, 3},
    {{u" LANE", u" Lane", u" lane"}, 1, u" Lane", 6, 5},
    {{u" pkwy ", u" PKWY"}, 1, u" Pkwy", 6, 5},
    {{u" PARKWAY", u" Parkway", u" parkway"}, 1, u" Parkway", 6, 8},
    {{u" pl ", u" PL "}, 1, u" Pl ", 6, 3},
    {{u" PLACE", u" Place", u" place"}, 1, u" Place", 6, 6},
    {{u" Rd", u" rd ", u" RD"}, 1, u" Rd", 6, 3},
    {{u" ROAD", u" Road", u" road"}, 1, u" Road", 1, 5},
    {{u" ter ", u" TER "}, 1, u" Ter ", 6, 4},
    {{u" TERRACE", u" Terrace", u" terrace"}, 1, u" Terrace", 6, 8},
    {{u" WAY", u" Way", u" way"}, 8, u" Way", 6, 4},
};

// The street keeps the suffix word and the one character after it. When the any-case search
// for the suffix misses it, or lands on an earlier word that merely starts the same way
// ("Stone" for "st"), the cut is made at the suffix that was detected instead of at a
// fragment of the line.
std::optional<QString> streetBySuffix(const QString& t2)
{
    for (const SuffixGroup& group : suffixGroups) {
        qsizetype detected = 0;
        for (const char16_t* text : group.detection) {
            if (!text)
                continue;
            const qsizetype at = find(group.detectFrom, t2, QString::fromUtf16(text));
            if (at > 0 && (detected == 0 || at < detected))
                detected = at;
        }
        if (detected == 0)
            continue;
        qsizetype p = find(group.from, t2, QString::fromUtf16(group.position), Qt::CaseInsensitive);
        if (p < detected)
            p = detected;
        return left(t2, p + group.kept);
    }
    return std::nullopt;
}

QString street(const QString& t2)
{
    if (contains(t2, QStringLiteral(",")))
        return trimSpaces(left(t2, find(6, t2, QStringLiteral(",")) - 1));
    if (const auto cut = streetBySuffix(t2))
        return trimSpaces(*cut);
    if (contains(t2, QStringLiteral(" #")))
        return trimSpaces(left(t2, find(6, t2, QStringLiteral("#")) - 2));
    return trimSpaces(t2);
}

// What follows the street on line 2. Counted on the same dot-free text the street was cut
// from: counting on the dotted line would hand the street's own last characters
// ("P.O. Box 77" -> "77") to the second street line.
QString restOfLine2(const QString& t2, const QString& streetText)
{
    QString rest = right(t2, t2.size() - streetText.size());
    rest = trimSpaces(removed(removed(rest, QStringLiteral(",")), QStringLiteral(".")));
    if (rest.size() >= 2 && rest.at(1) == u' ' && rest.at(0) != u'#' && !streetText.isEmpty()
        && rest.at(0) == streetText.back())
        rest = mid(rest, 3, 12);
    return rest;
}

bool isSecondStreetLine(const QString& line3)
{
    static const char16_t* const marks[] = {u"#", u"SUITE", u"STE", u"UNIT", u"APT",
                                            u"Suite", u"Ste", u"Unit", u"Apt"};
    for (const char16_t* mark : marks) {
        if (contains(line3, QString::fromUtf16(mark)))
            return true;
    }
    return false;
}

void parseCityLine(const QString& c, ComposerBoxes& boxes)
{
    const QString s = left(c, 16);
    if (s.size() < 12)
        return;

    const qsizetype cityEnd = contains(s, QStringLiteral(",")) ? find(3, s, QStringLiteral(","))
                                                               : find(5, s, QStringLiteral(" "));
    boxes.txtACCity = trimSpaces(left(s, cityEnd - 1));

    const QString r = right(c, 15);
    if (contains(r, QStringLiteral(",")))
        boxes.txtACState = trimSpaces(mid(r, find(1, r, QStringLiteral(",")) + 2, 2));
    else
        boxes.txtACState = trimSpaces(mid(r, find(1, r, QStringLiteral(" ")) + 1, 2));

    const QString z = right(c, 10);
    boxes.txtACZip = contains(z, QStringLiteral("-")) ? trimSpaces(z) : trimSpaces(right(z, 5));
}

bool startsAsAddress(const QString& t2)
{
    return (!t2.isEmpty() && t2.at(0) >= u'0' && t2.at(0) <= u'9') || t2.startsWith(u"PO B");
}

} // namespace

NameLine parseNameLine(const QString& line1)
{
    NameLine name;
    name.first = firstName(line1);
    const QString t1 = trimSpaces(line1);
    name.initial = middleInitial(t1);
    name.last = lastName(t1, name.first, name.initial.value_or(QString()));
    return name;
}

ComposerParseResult parseComposerLines(Platform& platform, const std::array<QString, 5>& lines)
{
    ComposerParseResult result;
    ComposerBoxes& boxes = result.boxes;

    bool allEmpty = true;
    for (const QString& line : lines)
        allEmpty = allEmpty && line.isEmpty();
    if (allEmpty)
        return result;

    const QString& line1 = lines[0];
    if (!line1.isEmpty()) {
        if (!line1.contains(u' ')) {
            platform.beep();
            platform.messageBox(QStringLiteral("Line 1 must contain a space."), QStringLiteral("Incorrect entry"),
                                MessageButtons::Ok, MessageIcon::None);
            result.openWindow = false;
            return result;
        }
        const NameLine name = parseNameLine(line1);
        boxes.txtACFName = name.first;
        boxes.txtACMiddleInit = name.initial;
        boxes.txtACLName = name.last;
    }

    const QString t2 = removed(trimSpaces(lines[1]), QStringLiteral("."));
    if (!startsAsAddress(t2))
        return result;

    const QString streetText = street(t2);
    boxes.txtACFStreet = streetText;
    const QString rest = restOfLine2(t2, streetText);

    const QString& line3 = lines[2];
    const QString* cityLine = &line3;
    if (isSecondStreetLine(line3) && rest.isEmpty() && line3.size() < 12) {
        boxes.txtACSStreet = trimSpaces(line3);
        cityLine = &lines[3];
    } else {
        boxes.txtACSStreet = rest;
    }
    parseCityLine(*cityLine, boxes);
    return result;
}
