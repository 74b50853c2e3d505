#pragma once
#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantHash>

// The small expression language of report elements: numbers, 'texts',
// field names, + - * /, comparisons (= <> < > <= >=) and the functions
// SUM(field), COUNT(), COUNT(field) and IF(condition, then, else). Sums and
// counts run over the rows of the band's scope (the group, the page or the
// whole report). Field names ignore case.
struct ExpressionScope {
    const QVariantHash* row = nullptr;          // keys in lower case
    const QList<QVariantHash>* rows = nullptr;  // for SUM and COUNT
    const QVariantHash* extra = nullptr;        // lookups and parameters, lower case
};

namespace Expression {
QVariant evaluate(const QString& text, const ExpressionScope& scope);   // throws ReportError on bad syntax
QVariant field(const QString& name, const ExpressionScope& scope);
}
