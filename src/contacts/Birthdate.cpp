#include "contacts/Birthdate.h"

#include "platform/Numbers.h"

#include <QList>

#include <algorithm>

QString birthdateToStored(const QString& entered)
{
    if (entered.trimmed().isEmpty())
        return QString(8, u' ');
    // By characters, not UTF-16 units: one outside the BMP is one character, as in the checks.
    const QList<uint> c = entered.toUcs4();
    const auto part = [&c](qsizetype from, qsizetype n) {
        from = std::clamp<qsizetype>(from, 0, c.size());
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(c.constData()) + from, std::min(n, c.size() - from));
    };
    return part(c.size() - 4, 4) + part(0, 2) + part(3, 2);
}

QString birthdateToShown(const QString& stored)
{
    if (!(leadingNumber(stored) > 1))
        return QString();
    return stored.mid(4, 2) + u'/' + stored.mid(6, 2) + u'/' + stored.left(4);
}
