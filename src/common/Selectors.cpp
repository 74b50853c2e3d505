#include "common/Selectors.h"

namespace {

const QString kAll = QStringLiteral("전체");
const QString kKindergarten = QStringLiteral("유치부");
const QString kElementary = QStringLiteral("초등부");
const QString kSecondaryAdult = QStringLiteral("중고/일반");
const QString kGroupIndent = QStringLiteral("     ");

QStringList groupItems()
{
    return {QString(), kGroupIndent + kAll, kGroupIndent + kKindergarten, kGroupIndent + kElementary,
            kGroupIndent + kSecondaryAdult};
}

bool isGroupWord(const QString& trimmed)
{
    return trimmed == kAll || trimmed == kKindergarten || trimmed == kElementary || trimmed == kSecondaryAdult;
}

SqlCondition compare(const QString& column, const QString& op, const QString& param, const QString& value)
{
    return {column + QLatin1Char(' ') + op + QStringLiteral(" :") + param, {{param, value}}};
}

SqlCondition inList(const QString& column, const QString& param, const QStringList& values)
{
    SqlCondition condition;
    QStringList names;
    for (int i = 0; i < values.size(); ++i) {
        const QString name = param + QString::number(i + 1);
        names << QLatin1Char(':') + name;
        condition.params.append({name, values[i]});
    }
    condition.sql = column + QStringLiteral(" IN (") + names.join(QLatin1Char(',')) + QLatin1Char(')');
    return condition;
}

}

namespace DivisionSelector {

QString itemText(const Division& division)
{
    return division.code + QStringLiteral(")  ") + division.name;
}

QStringList items(const QList<Division>& divisions)
{
    QStringList list = groupItems();
    for (const Division& division : divisions)
        list << itemText(division);
    return list;
}

SqlCondition condition(const QString& item, const QString& column, const QString& param)
{
    const QString trimmed = item.trimmed();
    if (trimmed.isEmpty() || trimmed == kAll)
        return {};
    if (trimmed == kKindergarten)
        return compare(column, QStringLiteral("<="), param, QStringLiteral("02"));
    if (trimmed == kElementary)
        return {column + QStringLiteral(" BETWEEN :") + param + QStringLiteral("_from AND :") + param + QStringLiteral("_to"),
                {{param + QStringLiteral("_from"), QStringLiteral("03")}, {param + QStringLiteral("_to"), QStringLiteral("11")}}};
    if (trimmed == kSecondaryAdult)
        return compare(column, QStringLiteral(">="), param, QStringLiteral("12"));
    const QString code = item.section(QLatin1Char(')'), 0, 0);
    SqlCondition like = compare(column, QStringLiteral("LIKE"), param, SqlText::likePrefix(code));
    like.sql += QLatin1String(SqlText::kLikeEscape);
    return like;
}

QString caption(const QString& item)
{
    const QString trimmed = item.trimmed();
    if (trimmed.isEmpty())
        return kAll;
    if (isGroupWord(trimmed))
        return trimmed;
    return item.mid(3);
}

}

namespace SchoolYearSelector {

QStringList items(const QStringList& schoolYears)
{
    return groupItems() + schoolYears;
}

SqlCondition condition(const QString& item, const QString& column, const QString& param)
{
    const QString trimmed = item.trimmed();
    if (trimmed.isEmpty() || trimmed == kAll)
        return {};
    if (trimmed == kKindergarten)
        return inList(column, param, {QStringLiteral("유치 4"), QStringLiteral("유치 5"), QStringLiteral("유치 6"),
                                      QStringLiteral("유치 7")});
    if (trimmed == kElementary)
        return inList(column, param, {QStringLiteral("초등 1"), QStringLiteral("초등 2"), QStringLiteral("초등 3"),
                                      QStringLiteral("초등 4"), QStringLiteral("초등 5"), QStringLiteral("초등 6")});
    if (trimmed == kSecondaryAdult)
        return inList(column, param, {QStringLiteral("중등 1"), QStringLiteral("중등 2"), QStringLiteral("중등 3"),
                                      QStringLiteral("고등 1"), QStringLiteral("고등 2"), QStringLiteral("고등 3"),
                                      QStringLiteral("대학교"), QStringLiteral("일반")});
    SqlCondition like = compare(column, QStringLiteral("LIKE"), param, SqlText::escapeLike(trimmed));
    like.sql += QLatin1String(SqlText::kLikeEscape);
    return like;
}

QString caption(const QString& item)
{
    const QString trimmed = item.trimmed();
    return trimmed.isEmpty() ? kAll : trimmed;
}

}
