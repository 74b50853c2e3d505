#include "common/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <QRegularExpression>

namespace NumberFormat {
namespace {

struct Mask {
    int minIntDigits = 0;
    bool grouped = false;
    bool hasPoint = false;
    int requiredPlaces = 0;
    int optionalPlaces = 0;
    int places() const { return requiredPlaces + optionalPlaces; }
};

Mask parse(const QString& text)
{
    Mask mask;
    const int point = text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? text : text.left(point);
    mask.hasPoint = point >= 0;
    mask.grouped = whole.contains(QLatin1Char(','));
    mask.minIntDigits = whole.count(QLatin1Char('0'));
    if (mask.hasPoint) {
        const QString fraction = text.mid(point + 1);
        mask.requiredPlaces = fraction.count(QLatin1Char('0'));
        mask.optionalPlaces = fraction.count(QLatin1Char('#'));
    }
    return mask;
}

// Writes |value| with `places` decimals, rounded half up on its decimal
// digits. The double is first written with 15 significant digits, which is
// what a person typed; only then is it rounded.
QString roundedDigits(double magnitude, int places)
{
    const int intDigits = magnitude >= 1 ? int(std::floor(std::log10(magnitude))) + 1 : 1;
    const int precision = std::max(places + 1, 15 - intDigits);
    std::vector<char> buffer(size_t(intDigits + precision + 8));
    std::snprintf(buffer.data(), buffer.size(), "%.*f", precision, magnitude);
    const QString written = QString::fromLatin1(buffer.data());
    const int dot = written.indexOf(QLatin1Char('.'));
    QString digits = written.left(dot) + written.mid(dot + 1, places);
    if (written.at(dot + 1 + places) >= QLatin1Char('5')) {
        int i = digits.size() - 1;
        for (; i >= 0 && digits[i] == QLatin1Char('9'); --i)
            digits[i] = QLatin1Char('0');
        if (i < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[i] = QChar(digits[i].unicode() + 1);
    }
    if (places > 0)
        digits.insert(digits.size() - places, QLatin1Char('.'));
    return digits;
}

QString grouped(const QString& digits)
{
    QString out;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits[i];
    }
    return out;
}

}

double round(double value, int places)
{
    const double magnitude = roundedDigits(std::fabs(value), places).toDouble();
    return value < 0 ? -magnitude : magnitude;
}

QString format(double value, const QString& maskText)
{
    const Mask mask = parse(maskText);
    const QString digits = roundedDigits(std::fabs(value), mask.places());
    const int dot = digits.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? digits : digits.left(dot);
    QString fraction = dot < 0 ? QString() : digits.mid(dot + 1);

    while (fraction.size() > mask.requiredPlaces && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (whole.size() < mask.minIntDigits)
        whole.prepend(QLatin1Char('0'));
    if (mask.grouped)
        whole = grouped(whole);

    const bool isZero = !digits.contains(QRegularExpression(QStringLiteral("[1-9]")));
    QString out = (value < 0 && !isZero) ? QStringLiteral("-") : QString();
    out += whole;
    if (mask.hasPoint)
        out += QLatin1Char('.') + fraction;
    return out;
}

QString format(const QVariant& value, const QString& mask)
{
    if (value.isNull())
        return {};
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    return ok ? format(number, mask) : QString();
}

QString won(qint64 amount)
{
    return format(double(amount), QStringLiteral(",##0")) + QStringLiteral("원");
}

QString str(double value)
{
    const QString number = QString::number(value, 'g', 15);
    return value < 0 ? number : QLatin1Char(' ') + number;
}

}
