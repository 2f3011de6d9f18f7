#pragma once

#include <QString>

// A field's value without its padding: leading and trailing spaces only, since any other
// character a field holds is part of its text.
inline QStringView trimSpacesView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

inline QString trimSpaces(const QString& text)
{
    const QStringView trimmed = trimSpacesView(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}
