#include "common/SqlCondition.h"

namespace SqlText {

QString escapeLike(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString likePrefix(const QString& text)
{
    return escapeLike(text) + QLatin1Char('%');
}

QString likeContains(const QString& text)
{
    return QLatin1Char('%') + escapeLike(text) + QLatin1Char('%');
}

}
