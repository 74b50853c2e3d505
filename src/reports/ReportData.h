#pragma once
#include "reports/ReportTemplate.h"

#include <QList>
#include <QVariantHash>

class Session;

// The rows a template reads, keys in lower case: the Print rows by seqno
// (without the end rows unless the template asks for them), or the rows of
// the template's own statement with the caller's parameters bound. Lookups
// and parameters become `extra` values that any element may name.
struct ReportRows {
    QList<QVariantHash> rows;
    QVariantHash extra;
};

namespace ReportData {
ReportRows fetch(Session& session, const ReportTemplate& layout, const QVariantHash& params = {});
}
