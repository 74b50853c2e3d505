#include "shell/InputMode.h"

bool InputMode::apply(const QString& mode)
{
    if (mode == QLatin1String("KOREA") && conversion_ == Latin) {
        conversion_ = Hangul;
        return true;
    }
    if (mode == QLatin1String("ENGLISH") && conversion_ == Hangul) {
        conversion_ = Latin;
        return true;
    }
    return false;
}
