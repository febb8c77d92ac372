#pragma once

#include <QString>
#include <string>

// Core strings are bytes. Data-bank texts are shown as UTF-8 when they are valid
// UTF-8 and as Latin-1 otherwise; paths and typed texts travel as UTF-8.
inline QString toQ(const std::string& text)
{
    const QString utf8 = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (utf8.contains(QChar::ReplacementCharacter))
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    return utf8;
}

inline std::string fromQ(const QString& text)
{
    return text.toUtf8().toStdString();
}
