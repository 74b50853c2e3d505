#include "reports/ReportData.h"

#include "datastore/PrintTable.h"
#include "datastore/Query.h"

namespace ReportData {
namespace {

void bindNamed(Query& query, const QVariantHash& params)
{
    for (const QString& name : query.parameterNames())
        query.setValue(name, params.value(name.toLower()));
}

QVariantHash lowerKeys(const QVariantHash& params)
{
    QVariantHash out;
    for (auto it = params.begin(); it != params.end(); ++it)
        out.insert(it.key().toLower(), it.value());
    return out;
}

}

ReportRows fetch(Session& session, const ReportTemplate& layout, const QVariantHash& params)
{
    ReportRows result;
    result.extra = lowerKeys(params);

    Query query(session);
    if (!layout.sql.isEmpty())
        query.setSql(layout.sql);
    else if (layout.includeEndRows)
        query.setSql(QStringLiteral("SELECT * FROM Print ORDER BY seqno, rowid"));
    else
        query.setSql(QStringLiteral("SELECT * FROM Print WHERE seqno < %1 ORDER BY seqno, rowid").arg(PrintTable::kEndRowSeqNo));
    bindNamed(query, result.extra);
    query.open();
    for (bool more = query.first(); more; more = query.next()) {
        QVariantHash row;
        for (int i = 0; i < query.fieldCount(); ++i)
            row.insert(query.fieldNames()[i].toLower(), query.value(i));
        result.rows << row;
    }

    for (auto it = layout.lookups.begin(); it != layout.lookups.end(); ++it) {
        Query lookup(session, it.value());
        bindNamed(lookup, result.extra);
        result.extra.insert(it.key().toLower(), lookup.scalar());
    }
    return result;
}

}
