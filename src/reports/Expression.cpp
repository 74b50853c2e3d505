#include "reports/Expression.h"

#include "reports/ReportError.h"

namespace {

double number(const QVariant& value)
{
    return value.toString().trimmed().remove(QLatin1Char(',')).toDouble();
}

bool isNumber(const QVariant& value)
{
    bool ok = false;
    value.toString().trimmed().remove(QLatin1Char(',')).toDouble(&ok);
    return ok;
}

class Evaluator {
public:
    Evaluator(const QString& text, const ExpressionScope& scope) : text_(text), scope_(scope) {}

    QVariant run()
    {
        const QVariant value = comparison();
        skipBlanks();
        if (pos_ < text_.size())
            fail(QStringLiteral("'%1' 다음을 알 수 없습니다").arg(text_.left(pos_)));
        return value;
    }

private:
    [[noreturn]] void fail(const QString& what) const
    {
        throw ReportError(QStringLiteral("식 '%1' 을(를) 계산할 수 없습니다: %2").arg(text_, what));
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_].isSpace())
            ++pos_;
    }

    bool take(const QString& token)
    {
        skipBlanks();
        if (text_.mid(pos_, token.size()) != token)
            return false;
        pos_ += token.size();
        return true;
    }

    void expect(const QString& token)
    {
        if (!take(token))
            fail(QStringLiteral("'%1' 이(가) 필요합니다").arg(token));
    }

    QVariant comparison()
    {
        const QVariant left = sum();
        for (const char* op : {"<>", "<=", ">=", "=", "<", ">"}) {
            if (!take(QLatin1String(op)))
                continue;
            const QVariant right = sum();
            const int order = isNumber(left) && isNumber(right)
                                  ? (number(left) < number(right) ? -1 : number(left) > number(right) ? 1 : 0)
                                  : QString::compare(left.toString(), right.toString());
            const QString o = QLatin1String(op);
            const bool result = o == QLatin1String("=")    ? order == 0
                                : o == QLatin1String("<>") ? order != 0
                                : o == QLatin1String("<")  ? order < 0
                                : o == QLatin1String(">")  ? order > 0
                                : o == QLatin1String("<=") ? order <= 0
                                                           : order >= 0;
            return result;
        }
        return left;
    }

    QVariant sum()
    {
        QVariant value = product();
        for (;;) {
            if (take(QStringLiteral("+")))
                value = number(value) + number(product());
            else if (take(QStringLiteral("-")))
                value = number(value) - number(product());
            else
                return value;
        }
    }

    QVariant product()
    {
        QVariant value = factor();
        for (;;) {
            if (take(QStringLiteral("*"))) {
                value = number(value) * number(factor());
            } else if (take(QStringLiteral("/"))) {
                const double divisor = number(factor());
                value = divisor == 0 ? 0.0 : number(value) / divisor;
            } else {
                return value;
            }
        }
    }

    QString name()
    {
        skipBlanks();
        const qsizetype start = pos_;
        while (pos_ < text_.size() && (text_[pos_].isLetterOrNumber() || text_[pos_] == QLatin1Char('_')))
            ++pos_;
        return text_.mid(start, pos_ - start);
    }

    QVariant factor()
    {
        skipBlanks();
        if (pos_ >= text_.size())
            fail(QStringLiteral("식이 끝났습니다"));
        if (take(QStringLiteral("(")))
            return closeParen(comparison());
        if (take(QStringLiteral("-")))
            return -number(factor());
        if (text_[pos_] == QLatin1Char('\''))
            return literal();
        if (text_[pos_].isDigit())
            return digits();
        const QString word = name();
        if (word.isEmpty())
            fail(QStringLiteral("'%1' 을(를) 알 수 없습니다").arg(text_.mid(pos_, 1)));
        if (take(QStringLiteral("(")))
            return call(word.toUpper());
        return Expression::field(word, scope_);
    }

    QVariant closeParen(const QVariant& value)
    {
        expect(QStringLiteral(")"));
        return value;
    }

    QVariant literal()
    {
        QString out;
        ++pos_;
        while (pos_ < text_.size()) {
            if (text_[pos_] == QLatin1Char('\'')) {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == QLatin1Char('\'')) {
                    out += QLatin1Char('\'');
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                return out;
            }
            out += text_[pos_++];
        }
        fail(QStringLiteral("따옴표가 닫히지 않았습니다"));
    }

    QVariant digits()
    {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && (text_[pos_].isDigit() || text_[pos_] == QLatin1Char('.')))
            ++pos_;
        return text_.mid(start, pos_ - start).toDouble();
    }

    QVariant call(const QString& function)
    {
        if (function == QLatin1String("IF")) {
            const bool condition = comparison().toBool();
            expect(QStringLiteral(","));
            const QVariant whenTrue = comparison();
            expect(QStringLiteral(","));
            const QVariant whenFalse = comparison();
            return closeParen(condition ? whenTrue : whenFalse);
        }
        if (function != QLatin1String("SUM") && function != QLatin1String("COUNT"))
            fail(QStringLiteral("함수 %1 은(는) 없습니다").arg(function));
        const QString argument = name();
        expect(QStringLiteral(")"));
        if (function == QLatin1String("SUM") && argument.isEmpty())
            fail(QStringLiteral("SUM 에는 필드 이름이 필요합니다"));
        double total = 0;
        const QList<QVariantHash> none;
        for (const QVariantHash& row : scope_.rows ? *scope_.rows : none) {
            if (function == QLatin1String("COUNT"))
                total += argument.isEmpty() || !row.value(argument.toLower()).toString().trimmed().isEmpty() ? 1 : 0;
            else
                total += number(row.value(argument.toLower()));
        }
        return total;
    }

    const QString& text_;
    const ExpressionScope& scope_;
    qsizetype pos_ = 0;
};

}

namespace Expression {

QVariant field(const QString& name, const ExpressionScope& scope)
{
    const QString key = name.toLower();
    if (scope.row && scope.row->contains(key))
        return scope.row->value(key);
    if (scope.extra && scope.extra->contains(key))
        return scope.extra->value(key);
    return {};
}

QVariant evaluate(const QString& text, const ExpressionScope& scope)
{
    return Evaluator(text, scope).run();
}

}
