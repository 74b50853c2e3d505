#pragma once
#include "reports/PageModel.h"
#include "reports/ReportTemplate.h"

#include <QList>
#include <QVariantHash>

// Lays a template's bands out over its rows: title on the first page, page
// and column headers on every page, group headers and footers at each change
// of their field (a new page where asked), detail rows in one or more
// columns, the summary after the last row, and the page footer at the foot
// of every page. Headers read the row they stand above (the page's first
// row, the group's first row); group headers count and sum their group's
// rows, the page footer its page's, the summary all. Row and extra keys are
// lower case.
namespace ReportLayout {
ReportDocument lay(const ReportTemplate& layout, const QList<QVariantHash>& rows, const QVariantHash& extra);
// A field's value as the element shows it, with its mask.
QString formatted(const QVariant& value, const QString& mask);
}
