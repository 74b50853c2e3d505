#include "datastore/SchemaUpgrade.h"

#include "datastore/PrintTable.h"
#include "datastore/Query.h"
#include "datastore/Session.h"
#include "datastore/SqlScript.h"

#include <QtGlobal>

static void initSchemaResources()
{
    Q_INIT_RESOURCE(schema);
}

namespace SchemaUpgrade {
namespace {

void memberStore(Session& session)
{
    SqlScript::runResource(session, QStringLiteral(":/schema/v1_member_tables.sql"));
    PrintTable::ensure(session);
    SqlScript::runResource(session, QStringLiteral(":/schema/v1_delivered_rows.sql"));
}

void moneyStore(Session& session)
{
    SqlScript::runResource(session, QStringLiteral(":/schema/v2_money_tables.sql"));
}

void recordStore(Session& session)
{
    SqlScript::runResource(session, QStringLiteral(":/schema/v3_record_tables.sql"));
    SqlScript::runResource(session, QStringLiteral(":/schema/v3_record_rows.sql"));
}

void setVersion(Session& session, int version)
{
    // PRAGMA takes no bound values; the number is the program's own.
    Query(session, QStringLiteral("PRAGMA user_version = %1").arg(version)).exec();
}

}

const QList<Step>& steps()
{
    static const QList<Step> list{
        {1, memberStore},
        {2, moneyStore},
        {3, recordStore},
    };
    return list;
}

int latestVersion()
{
    return steps().isEmpty() ? 0 : steps().last().version;
}

int currentVersion(Session& session)
{
    return Query(session, QStringLiteral("PRAGMA user_version")).scalar().toInt();
}

void run(Session& session)
{
    run(session, steps());
}

void run(Session& session, const QList<Step>& list)
{
    initSchemaResources();
    const int from = currentVersion(session);
    for (const Step& step : list) {
        if (step.version <= from)
            continue;
        Transaction transaction(session);
        step.apply(session);
        setVersion(session, step.version);
        transaction.commit();
    }
}

}
