#include "common/DateText.h"

#include <QRegularExpression>

namespace DateText {

QDate zeroDate()
{
    return QDate(1899, 12, 30);
}

QString fromDate(const QDate& date)
{
    return date.isValid() ? date.toString(kFormat) : QString();
}

QDate toDate(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:[ T].*)?$"));
    const auto match = shape.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

bool isDateText(const QString& text)
{
    return text.size() == 10 && toDate(text).isValid();
}

QString display(const QVariant& stored)
{
    if (stored.isNull())
        return {};
    const QDate date = stored.typeId() == QMetaType::QDate ? stored.toDate() : toDate(stored.toString());
    if (!date.isValid() || date == zeroDate())
        return {};
    return fromDate(date);
}

QVariant storable(const QString& typed)
{
    const QDate date = toDate(typed);
    return date.isValid() ? QVariant(fromDate(date)) : QVariant(QMetaType(QMetaType::QString));
}

}
