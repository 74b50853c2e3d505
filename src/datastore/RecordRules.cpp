#include "datastore/RecordRules.h"

#include "common/DateText.h"
#include "common/MonthKey.h"
#include "datastore/Query.h"

namespace RecordRules {
namespace {

struct TableColumn {
    const char* table;
    const char* column;
};

TableColumn memberTable(MemberSequence table)
{
    switch (table) {
    case MemberSequence::Points:
        return {"T_벌점", "순번"};
    case MemberSequence::LifeNotes:
        return {"T_생활기록", "순번"};
    case MemberSequence::Requests:
        return {"T_건의사항", "순번"};
    case MemberSequence::ExamNotices:
        return {"T_심사평가공지사항", "순번"};
    case MemberSequence::Events:
        return {"T_행사참가", "순번"};
    }
    return {"T_벌점", "순번"};
}

TableColumn counterTable(TableCounter table)
{
    switch (table) {
    case TableCounter::Consultations:
        return {"T_입관상담", "순번"};
    case TableCounter::LifeNotePhrases:
        return {"T_생활기록문항", "생활기록코드"};
    case TableCounter::ExamNoticePhrases:
        return {"T_심사평가공지사항문항", "심사평가공지사항코드"};
    case TableCounter::ExamRemarks:
        return {"T_심사결과평가내용", "심사결과평가코드"};
    case TableCounter::ResultNotices:
        return {"T_심사결과안내문", "심사결과안내코드"};
    }
    return {"T_입관상담", "순번"};
}

// Table and column names are the constants above, never typed text.
QString sql(const char* pattern, const TableColumn& target)
{
    return QString::fromUtf8(pattern).arg(QString::fromUtf8(target.table), QString::fromUtf8(target.column));
}

}

int nextMemberSequence(Session& session, MemberSequence table, const QString& memberNumber)
{
    Query query(session, sql("SELECT COALESCE(MAX(%2), 0) + 1 FROM %1 WHERE 회원번호 = :회원번호", memberTable(table)));
    query.setText(QStringLiteral("회원번호"), memberNumber);
    return query.scalar().toInt();
}

int nextAwardSequence(Session& session, const QString& memberNumber)
{
    Query query(session, QStringLiteral("SELECT COUNT(*) + 1 FROM T_상장지급 WHERE 회원번호 = :회원번호"));
    query.setText(QStringLiteral("회원번호"), memberNumber);
    return query.scalar().toInt();
}

int nextPointSequenceInMonth(Session& session, const QString& memberNumber, const QString& month)
{
    Query query(session, QStringLiteral("SELECT 순번 FROM T_벌점 WHERE 회원번호 = :회원번호 "
                                        "AND 벌점일자 BETWEEN :from AND :to ORDER BY 벌점일자, 순번"));
    query.setText(QStringLiteral("회원번호"), memberNumber)
        .setText(QStringLiteral("from"), MonthKey::firstDayText(month))
        .setText(QStringLiteral("to"), MonthKey::lastDayText(month));
    query.open();
    int last = 0;
    for (bool more = query.first(); more; more = query.next())
        last = int(query.integer(QStringLiteral("순번")));
    return last + 1;
}

int nextTableNumber(Session& session, TableCounter table)
{
    if (table == TableCounter::ResultNotices) {
        // A new result notice follows the last row of the table.
        return Query(session, QStringLiteral("SELECT COALESCE((SELECT 심사결과안내코드 FROM T_심사결과안내문 "
                                             "ORDER BY rowid DESC LIMIT 1), 0) + 1"))
            .scalar()
            .toInt();
    }
    return Query(session, sql("SELECT COALESCE(MAX(%2), 0) + 1 FROM %1", counterTable(table))).scalar().toInt();
}

int nextExamNumber(Session& session)
{
    return Query(session, QStringLiteral("SELECT COALESCE(MAX(CAST(심사명 AS INTEGER)), 0) + 1 FROM T_심사 "
                                         "WHERE 심사구분 = '체육관'"))
        .scalar()
        .toInt();
}

QVariant examDateToStore(const QString& shown, const QVariant& loaded)
{
    const QVariant typed = DateText::storable(shown);
    if (!typed.isNull())
        return typed;
    return loaded.toString() == kZeroDate ? QVariant(kZeroDate) : typed;
}

QString latestCertificateNumber(Session& session, const QString& memberNumber)
{
    Query query(session, QStringLiteral("SELECT 단증번호 FROM T_국기원승품 WHERE 회원번호 = :회원번호 "
                                        "AND COALESCE(TRIM(단증번호), '') <> '' ORDER BY 심사일자 DESC LIMIT 1"));
    query.setText(QStringLiteral("회원번호"), memberNumber);
    return query.scalar().toString();
}

QString nextBadge(Session& session, const QString& memberNumber)
{
    Query held(session, QStringLiteral("SELECT MAX(CAST(뱃지코드 AS INTEGER)) FROM T_뱃지지급 WHERE 회원번호 = :회원번호"));
    held.setText(QStringLiteral("회원번호"), memberNumber);
    const int next = held.scalar().toInt() + 1;
    const int last = Query(session, QStringLiteral("SELECT MAX(CAST(뱃지코드 AS INTEGER)) FROM T_뱃지항목")).scalar().toInt();
    if (next > last)
        return {};
    return QStringLiteral("%1").arg(next, 2, 10, QLatin1Char('0'));
}

QString noticeOfMonth(Session& session, const QString& memberNumber, const QDate& day)
{
    const QString month = MonthKey::fromDate(day);
    Query query(session, QStringLiteral("SELECT 공지사항 FROM T_심사평가공지사항 WHERE 회원번호 = :회원번호 "
                                        "AND 공지일자 BETWEEN :from AND :to ORDER BY 순번 DESC LIMIT 1"));
    query.setText(QStringLiteral("회원번호"), memberNumber)
        .setText(QStringLiteral("from"), MonthKey::firstDayText(month))
        .setText(QStringLiteral("to"), MonthKey::lastDayText(month));
    return query.scalar().toString();
}

}
