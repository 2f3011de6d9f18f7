#include "contacts/Birthdate.h"

#include "platform/Numbers.h"

QString birthdateToStored(const QString& entered)
{
    if (entered.trimmed().isEmpty())
        return QString(8, u' ');
    return entered.right(4) + entered.left(2) + entered.mid(3, 2);
}

QString birthdateToShown(const QString& stored)
{
    if (!(leadingNumber(stored) > 1))
        return QString();
    return stored.mid(4, 2) + u'/' + stored.mid(6, 2) + u'/' + stored.left(4);
}
