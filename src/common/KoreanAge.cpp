#include "common/KoreanAge.h"

int koreanAge(const QDate& birth, const QDate& today)
{
    if (!birth.isValid() || !today.isValid())
        return 0;
    return today.year() - birth.year() + 1;
}
