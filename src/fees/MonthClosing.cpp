#include "fees/MonthClosing.h"

#include "common/MonthKey.h"
#include "datastore/DbError.h"
#include "datastore/Query.h"
#include "datastore/Session.h"
#include "fees/ClosedMonth.h"

namespace {
bool isWholeNumber(const QString& text)
{
    bool ok = false;
    QString(text).remove(QLatin1Char(',')).trimmed().toLongLong(&ok);
    return ok;
}

qint64 wholeNumber(const QString& text)
{
    return QString(text).remove(QLatin1Char(',')).trimmed().toLongLong();
}
}

QString MonthClosing::dashed(const QString& month)
{
    return month.left(4) + QLatin1Char('-') + month.mid(4, 2);
}

int MonthClosing::count(const QString& condition, const QString& month) const
{
    // `condition` is one of this class's own comparisons.
    Query query(session_, QStringLiteral(" SELECT Count(*) FROM T_금전출납마감 WHERE %1").arg(condition));
    query.setText(QStringLiteral("마감연월"), month);
    return query.scalar().toInt();
}

int MonthClosing::rowCount() const
{
    return Query(session_, QStringLiteral("SELECT Count(*) FROM T_금전출납마감")).scalar().toInt();
}

MonthClosing::Opening MonthClosing::firstRow() const
{
    Query query(session_, QStringLiteral("SELECT 마감연월, 차변누계금액, 대변누계금액 FROM T_금전출납마감 ORDER BY 마감연월"));
    query.open();
    if (!query.first())
        return {};
    return {query.text(QStringLiteral("마감연월")), query.text(QStringLiteral("차변누계금액")),
            query.text(QStringLiteral("대변누계금액"))};
}

MonthClosing::Refusal MonthClosing::validateOpening(const Opening& opening) const
{
    const QString start = opening.startMonth.trimmed();
    if (start.isEmpty())
        return {QStringLiteral("시작년월일을 입력하세요."), Field::StartMonth};
    if (start.size() != 6)
        return {QStringLiteral("시작년월일을 6자리로 입력하세요."), Field::StartMonth};
    if (!MonthKey::isValid(start))
        return {QStringLiteral("시작년월을 바른 년월(YYYYMM)로 입력하세요."), Field::StartMonth};
    if (opening.income.trimmed().isEmpty())
        return {QStringLiteral("입금 누계를 입력하세요."), Field::Income};
    if (!isWholeNumber(opening.income))
        return {QStringLiteral("입금 누계를 숫자로 입력하세요."), Field::Income};
    if (opening.expense.trimmed().isEmpty())
        return {QStringLiteral("출금 누계를 입력하세요."), Field::Expense};
    if (!isWholeNumber(opening.expense))
        return {QStringLiteral("출금 누계를 숫자로 입력하세요."), Field::Expense};

    const QString earliest = Query(session_, QStringLiteral(" SELECT MIN(일자) FROM T_금전출납 ")).scalar().toString();
    if (!earliest.isEmpty() && earliest.left(4) + earliest.mid(5, 2) <= start)
        return {earliest.left(7) + QStringLiteral(" 이전으로 입력하세요."), Field::StartMonth};
    if (rowCount() > 1)
        return {QStringLiteral("1회 이상 마감된 경우에는 수정 불가능 합니다."), Field::None};
    return {};
}

void MonthClosing::insertOpenMonth(const QString& month, qint64 income, qint64 expense)
{
    Query insert(session_);
    insert.add(QStringLiteral("INSERT INTO T_금전출납마감 "));
    insert.add(QStringLiteral("(마감연월, 당월차변금액,  당월대변금액, 차변누계금액,  대변누계금액, 마감여부) "));
    insert.add(QStringLiteral(" VALUES "));
    insert.add(QStringLiteral("(:마감연월, :당월차변금액,  :당월대변금액, :차변누계금액,  :대변누계금액, :마감여부) "));
    insert.setText(QStringLiteral("마감연월"), month)
        .setInt(QStringLiteral("당월차변금액"), 0)
        .setInt(QStringLiteral("당월대변금액"), 0)
        .setInt(QStringLiteral("차변누계금액"), income)
        .setInt(QStringLiteral("대변누계금액"), expense)
        .setText(QStringLiteral("마감여부"), QStringLiteral("0"));
    insert.exec();
}

// Only the set-up itself (at most the start month, closed or reopened) is
// ever rewritten here, so the whole table is that one row.
void MonthClosing::saveOpening(const Opening& opening)
{
    const QString start = opening.startMonth.trimmed();
    const qint64 income = wholeNumber(opening.income);
    const qint64 expense = wholeNumber(opening.expense);
    Transaction transaction(session_);
    if (rowCount() > 1)
        throw DbError(QStringLiteral("1회 이상 마감된 경우에는 수정 불가능 합니다."));
    Query(session_, QStringLiteral(" DELETE FROM  T_금전출납마감 ")).exec();
    insertOpenMonth(start, income, expense);
    Query(session_, QStringLiteral("UPDATE T_금전출납마감 SET 마감여부 = '1' WHERE 마감연월 = :마감연월"))
        .setText(QStringLiteral("마감연월"), start)
        .exec();
    insertOpenMonth(MonthKey::next(start), income, expense);
    transaction.commit();
}

QString MonthClosing::closeRefusal(const QString& month, const QDate& today) const
{
    const QString current = MonthKey::fromDate(today);
    if (month >= current)
        return dashed(MonthKey::previous(current)) + QStringLiteral(" 까지만 마감 작업 가능합니다.");
    if (count(QStringLiteral("마감연월 = :마감연월 AND 마감여부 = '1'"), month) > 0)
        return dashed(month) + QStringLiteral(" 이미 마감되었습니다.");
    if (count(QStringLiteral("마감연월 = :마감연월 AND 마감여부 = '0'"), month) == 0)
        return QStringLiteral("이전월을 먼저 마감하세요.");
    return {};
}

void MonthClosing::close(const QString& month)
{
    Query sums(session_);
    sums.add(QStringLiteral(" SELECT COALESCE(SUM(입금액), 0) AS income, COALESCE(SUM(출금액), 0) AS expense "));
    sums.add(QStringLiteral(" FROM   T_금전출납 "));
    sums.add(QStringLiteral(" WHERE   일자  >=:FromDate "));
    sums.add(QStringLiteral(" AND     일자  <=:ToDate "));
    sums.setText(QStringLiteral("FromDate"), MonthKey::firstDayText(month));
    sums.setText(QStringLiteral("ToDate"), MonthKey::lastDayText(month));
    sums.open();
    const qint64 income = sums.integer(QStringLiteral("income"));
    const qint64 expense = sums.integer(QStringLiteral("expense"));

    Transaction transaction(session_);
    Query update(session_);
    update.add(QStringLiteral(" UPDATE T_금전출납마감 "));
    update.add(QStringLiteral(" SET 당월차변금액 =:당월차변금액,   "));
    update.add(QStringLiteral("     당월대변금액 =:당월대변금액,   "));
    update.add(QStringLiteral("     차변누계금액 =차변누계금액 + :당월차변금액, "));
    update.add(QStringLiteral("     대변누계금액 =대변누계금액 + :당월대변금액, "));
    update.add(QStringLiteral("     마감여부 =:마감여부 "));
    update.add(QStringLiteral(" WHERE  마감연월  =:마감연월 "));
    update.setInt(QStringLiteral("당월차변금액"), income)
        .setInt(QStringLiteral("당월대변금액"), expense)
        .setText(QStringLiteral("마감여부"), QStringLiteral("1"))
        .setText(QStringLiteral("마감연월"), month);
    update.exec();

    Query totals(session_);
    totals.add(QStringLiteral(" SELECT COALESCE(SUM(차변누계금액), 0) AS income, COALESCE(SUM(대변누계금액), 0) AS expense "));
    totals.add(QStringLiteral(" FROM   T_금전출납마감 "));
    totals.add(QStringLiteral(" WHERE  마감연월  =:마감연월 "));
    totals.setText(QStringLiteral("마감연월"), month);
    totals.open();
    insertOpenMonth(MonthKey::next(month), totals.integer(QStringLiteral("income")), totals.integer(QStringLiteral("expense")));
    transaction.commit();
}

QString MonthClosing::cancelRefusal(const QString& month) const
{
    if (count(QStringLiteral("마감연월 = :마감연월 AND 마감여부 = '1'"), month) == 0)
        return dashed(month) + QStringLiteral("은 마감처리된 월이 아니므로 취소할수 없습니다.");
    if (count(QStringLiteral("마감연월 > :마감연월 AND 마감여부 = '1'"), month) > 0)
        return dashed(month) + QStringLiteral(" 이후월부터 순차적으로 마감취소 하세요.");
    return {};
}

void MonthClosing::cancel(const QString& month)
{
    Transaction transaction(session_);
    Query update(session_);
    update.add(QStringLiteral(" UPDATE T_금전출납마감 "));
    update.add(QStringLiteral(" SET 차변누계금액 = 차변누계금액 - 당월차변금액,   "));
    update.add(QStringLiteral("     대변누계금액 = 대변누계금액 - 당월대변금액,   "));
    update.add(QStringLiteral("     당월차변금액 = 0, "));
    update.add(QStringLiteral("     당월대변금액 = 0, "));
    update.add(QStringLiteral("     마감여부 ='0'"));
    update.add(QStringLiteral(" WHERE  마감연월   =:마감연월 "));
    update.setText(QStringLiteral("마감연월"), month);
    update.exec();
    Query remove(session_, QStringLiteral(" DELETE FROM T_금전출납마감 \n WHERE  마감연월  > :마감연월 "));
    remove.setText(QStringLiteral("마감연월"), month);
    remove.exec();
    transaction.commit();
}

MonthClosing::Gate MonthClosing::gate(const QDate& today) const
{
    if (rowCount() == 0)
        return {Gate::Outcome::NeedsSetUp, {}, QStringLiteral("금전출납 초기값설정을 먼저하세요")};
    const QString previous = MonthKey::monthBefore(today).remove(QLatin1Char('-'));
    const QString latest = ClosedMonth::latest(session_);
    // With the start month itself reopened nothing is closed: the open month
    // is the one to close first.
    const bool anyClosed = MonthKey::isValid(latest);
    const QString first = anyClosed ? MonthKey::next(latest)
                              : Query(session_, QStringLiteral("SELECT MIN(마감연월) FROM T_금전출납마감 WHERE 마감여부 = '0'"))
                                    .scalar()
                                    .toString();
    if (first.isEmpty() || first > previous)
        return {};
    return {Gate::Outcome::NeedsClosing, first, dashed(first) + QStringLiteral(" 마감작업을 먼저하세요.")};
}
