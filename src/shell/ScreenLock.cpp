#include "shell/ScreenLock.h"

#include "datastore/Query.h"

ScreenLock::ScreenLock(QString passwordColumn, QString switchColumn, bool requireSwitchOnAccept)
    : passwordColumn_(std::move(passwordColumn)),
      switchColumn_(std::move(switchColumn)),
      requireSwitchOnAccept_(requireSwitchOnAccept)
{
}

ScreenLock ScreenLock::mainScreen()
{
    return {QStringLiteral("메인화면"), QStringLiteral("메인화면체크유무"), false};
}

// The fee screen's check also asks for its switch in the same statement.
ScreenLock ScreenLock::feeScreen()
{
    return {QStringLiteral("수련비화면"), QStringLiteral("수련비화면체크유무"), true};
}

ScreenLock ScreenLock::cashBook()
{
    return {QStringLiteral("금전출납화면"), QStringLiteral("금전출납화면체크유무"), false};
}

// Column names below are the program's own constants, never typed text.
bool ScreenLock::isLocked(Session& session) const
{
    Query query(session, QStringLiteral("SELECT %1, %2 FROM T_도장정보").arg(passwordColumn_, switchColumn_));
    query.open();
    if (!query.first())
        return false;
    return !query.isNull(passwordColumn_) && query.text(switchColumn_) == QLatin1String("1");
}

bool ScreenLock::accepts(Session& session, const QString& typed) const
{
    Query query(session);
    query.add(QStringLiteral(" SELECT %1, %2  FROM T_도장정보  ").arg(passwordColumn_, switchColumn_));
    query.add(QStringLiteral(" WHERE  %1 =:%1 ").arg(passwordColumn_));
    if (requireSwitchOnAccept_) {
        query.add(QStringLiteral(" AND %1 = :%1 ").arg(switchColumn_));
        query.setText(switchColumn_, QStringLiteral("1"));
    }
    query.setText(passwordColumn_, typed);
    query.open();
    return !query.isEmpty();
}
