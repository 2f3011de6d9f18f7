#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// A field's value without its padding: leading and trailing spaces only, since any other
// character a field holds is part of its text. For the raw bytes too: a space byte is a
// space character in Windows-1252.
template <typename View>
View trimSpaces(View text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

inline QString trimSpaces(const QString& text)
{
    const QStringView trimmed = trimSpaces(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}
