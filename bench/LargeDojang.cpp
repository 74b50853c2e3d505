#include "LargeDojang.h"

#include "common/DateText.h"
#include "datastore/Query.h"
#include "datastore/Session.h"
#include "fees/FeePayments.h"
#include "fees/MonthClosing.h"

#include <QDate>
#include <QMap>

#include <random>

namespace {

const char* const kFamilyNames[] = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임", "한", "오", "서", "신", "권"};
const char* const kGivenNames[] = {"민준", "서연", "도윤", "하은", "시우", "지우", "주원", "서윤", "하준", "지민",
                                   "예준", "수아", "현우", "지아", "건우", "채원", "우진", "다은", "선우", "유나"};
const char* const kSchools[] = {"가락초등학교", "문정초등학교", "송파중학교", "잠실고등학교", "방이초등학교"};
const char* const kJobs[] = {"회사원", "자영업", "교사", "공무원", "주부", "간호사"};

class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T, size_t N>
    QString pick(const T (&list)[N]) { return QString::fromUtf8(list[between(0, int(N) - 1)]); }

private:
    std::mt19937 engine_;
};

void insertFamily(Session& session, Dice& dice, const QString& number, const QString& surname)
{
    Query insert(session, QStringLiteral(
        "INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명, 생일, 양력음력, 직업) "
        "VALUES (:회원번호, :순번, :관계, :성명, :생일, '양', :직업)"));
    const char* const relations[] = {"부", "모", "형제", "조모"};
    const int count = dice.between(1, 4);
    for (int i = 0; i < count; ++i) {
        insert.setText(QStringLiteral("회원번호"), number)
            .setInt(QStringLiteral("순번"), i + 1)
            .setText(QStringLiteral("관계"), QString::fromUtf8(relations[i]))
            .setText(QStringLiteral("성명"), (i == 1 ? dice.pick(kFamilyNames) : surname) + dice.pick(kGivenNames))
            .setDate(QStringLiteral("생일"), QDate(dice.between(1950, 1990), dice.between(1, 12), dice.between(1, 28)))
            .setText(QStringLiteral("직업"), dice.pick(kJobs));
        insert.exec();
    }
}

// Every month from joining to leaving (or to the last month) is paid on the
// trainee's payment day.
void insertPayments(Session& session, const QString& number, const QString& name, const QDate& joined,
                    const QDate& left, int payDay, qint64 fee, int lastYear)
{
    const QDate end = left.isValid() ? left : QDate(lastYear, 11, 30);
    for (QDate month(joined.year(), joined.month(), 1); month <= end; month = month.addMonths(1)) {
        const QDate paid(month.year(), month.month(), std::min(payDay, month.daysInMonth()));
        FeePayments::add(session, {number, name, month.toString(QStringLiteral("yyyyMM")), paid, fee, QStringLiteral("현금")});
    }
}

void closeCashBook(Session& session, int firstYear, int lastYear)
{
    MonthClosing closing(session);
    closing.saveOpening({QStringLiteral("%1").arg(firstYear - 1) + QStringLiteral("12"), QStringLiteral("0"), QStringLiteral("0")});
    for (QDate month(firstYear, 1, 1); month <= QDate(lastYear, 11, 1); month = month.addMonths(1))
        closing.close(month.toString(QStringLiteral("yyyyMM")));
}

}

void LargeDojang::fill(Session& session) const
{
    Dice dice(seed);
    Transaction transaction(session);
    Query member(session, QStringLiteral(
        "INSERT INTO T_회원 (회원번호, 회원명, 성별, 부별코드, 급품코드, 주민등록번호, 양력음력, 생년월일, 지역코드, "
        "입관일, 최초입관일, 퇴관일, 퇴관사유코드, 최종퇴관일, 최종퇴관사유코드, 휴관일, 휴관사유코드, 최종휴관일, "
        "최종휴관사유코드, 전화번호, 핸드폰번호, 주소, 학교, 학년, 반, 납부일자, 수련비, 입관동기코드) VALUES "
        "(:회원번호, :회원명, :성별, :부별코드, :급품코드, :주민, '양', :생년월일, :지역코드, :입관일, :입관일, "
        ":퇴관일, :퇴관사유, :퇴관일, :퇴관사유, :휴관일, :휴관사유, :휴관일, :휴관사유, :전화번호, :핸드폰번호, "
        ":주소, :학교, :학년, :반, :납부일자, :수련비, :동기)"));

    QMap<QString, int> serials;
    const QDate firstDay(lastYear - 14, 1, 1);
    const int span = int(firstDay.daysTo(QDate(lastYear, 12, 31)));
    for (int i = 0; i < members; ++i) {
        const QDate joined = firstDay.addDays(qint64(span) * i / members);
        const QString month = joined.toString(QStringLiteral("yyyyMM"));
        const QString number = month + QStringLiteral("%1").arg(++serials[month], 3, 10, QLatin1Char('0'));
        const QDate birth(joined.year() - dice.between(5, 30), dice.between(1, 12), dice.between(1, 28));
        const bool male = dice.chance(60);
        const QString surname = dice.pick(kFamilyNames);
        const int schoolYear = std::clamp(joined.year() - birth.year() - 3, 1, 18);
        const bool left = joined.year() < lastYear - 1 && dice.chance(85);
        const bool resting = !left && dice.chance(5);
        const QString division = QStringLiteral("%1").arg(std::clamp(schoolYear - 2, 1, 15), 2, 10, QLatin1Char('0'));
        const QString name = surname + dice.pick(kGivenNames);
        const QDate leftOn = left ? std::min(joined.addDays(dice.between(60, 900)), QDate(lastYear, 11, 30)) : QDate();
        const int payDay = dice.between(1, 28);
        const int fee = 100000 + 10000 * dice.between(0, 5);

        member.setText(QStringLiteral("회원번호"), number)
            .setText(QStringLiteral("회원명"), name)
            .setText(QStringLiteral("성별"), male ? QStringLiteral("남") : QStringLiteral("여"))
            .setText(QStringLiteral("부별코드"), division)
            .setText(QStringLiteral("급품코드"), QStringLiteral("%1").arg(dice.between(1, 16), 2, 10, QLatin1Char('0')))
            .setText(QStringLiteral("주민"), birth.toString(QStringLiteral("yyMMdd")) + (male ? QStringLiteral("-3") : QStringLiteral("-4"))
                                               + QStringLiteral("%1").arg(dice.between(0, 999999), 6, 10, QLatin1Char('0')))
            .setDate(QStringLiteral("생년월일"), birth)
            .setInt(QStringLiteral("지역코드"), dice.between(1, 20))
            .setDate(QStringLiteral("입관일"), joined)
            .setDate(QStringLiteral("퇴관일"), leftOn)
            .setValue(QStringLiteral("퇴관사유"), left ? QVariant(QStringLiteral("0%1").arg(dice.between(1, 9))) : QVariant())
            .setDate(QStringLiteral("휴관일"), resting ? joined.addDays(dice.between(30, 300)) : QDate())
            .setValue(QStringLiteral("휴관사유"), resting ? QVariant(QStringLiteral("0%1").arg(dice.between(1, 9))) : QVariant())
            .setText(QStringLiteral("전화번호"), QStringLiteral("%1-%2").arg(dice.between(400, 499) * 10).arg(dice.between(1000, 9999)))
            .setText(QStringLiteral("핸드폰번호"), QStringLiteral("010-%1-%2").arg(dice.between(1000, 9999)).arg(dice.between(1000, 9999)))
            .setText(QStringLiteral("주소"), QStringLiteral("서울 송파구 가락동 %1번지").arg(dice.between(1, 200)))
            .setText(QStringLiteral("학교"), dice.pick(kSchools))
            .setValue(QStringLiteral("학년"), Query(session, QStringLiteral("SELECT 학년 FROM T_학년코드 WHERE 학년코드 = :c"))
                                                   .setInt(QStringLiteral("c"), schoolYear)
                                                   .scalar())
            .setText(QStringLiteral("반"), QString::number(dice.between(1, 12)))
            .setInt(QStringLiteral("납부일자"), payDay)
            .setInt(QStringLiteral("수련비"), fee)
            .setText(QStringLiteral("동기"), QStringLiteral("0%1").arg(dice.between(1, 8)));
        member.exec();
        insertFamily(session, dice, number, surname);
        if (money)
            insertPayments(session, number, name, joined, leftOn, payDay, fee, lastYear);
    }
    if (money)
        closeCashBook(session, firstDay.year(), lastYear);
    transaction.commit();
}
