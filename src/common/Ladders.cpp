#include "common/Ladders.h"

#include <algorithm>

namespace Ladders {

QString nextGradeCode(const QString& code)
{
    bool ok = false;
    const int value = code.trimmed().toInt(&ok);
    if (!ok)
        return {};
    return QStringLiteral("0%1").arg(value + 1).right(2);
}

QString nextGradeCode(const QString& code, const QString& highestCode)
{
    const QString next = nextGradeCode(code);
    if (next.isEmpty() || next.toInt() > highestCode.trimmed().toInt())
        return {};
    return next;
}

int promotedSchoolYear(int code)
{
    return std::clamp(code + 1, 1, kLastSchoolYearCode);
}

}
