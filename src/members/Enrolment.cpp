#include "members/Enrolment.h"

#include "common/DateText.h"
#include "common/MonthKey.h"
#include "datastore/Query.h"
#include "datastore/Session.h"
#include "fees/ClosedMonth.h"
#include "fees/FeePayments.h"
#include "fees/HeadcountTally.h"

#include <QRegularExpression>

namespace Enrolment {
namespace {

const QString kError = QStringLiteral("오류");
const QString kCheck = QStringLiteral("확인");

// Typed text without the mask's literals.
bool isBlank(const QString& text)
{
    return QString(text).remove(QLatin1Char('-')).trimmed().isEmpty();
}

struct Required {
    const char* word;
    Field field;
    QString Form::*value;
};

Refusal firstMissing(const Form& form)
{
    const Required required[] = {
        {"이름", Field::Name, &Form::name},           {"생년월일", Field::BirthDate, &Form::birthDate},
        {"양/음", Field::Calendar, &Form::calendar},   {"성별", Field::Sex, &Form::sex},
        {"부별", Field::Division, &Form::divisionCode}, {"입관일", Field::JoinDate, &Form::joinDate},
        {"현급", Field::Grade, &Form::gradeCode},      {"지역", Field::Area, &Form::areaCode},
        {"수련비", Field::Fee, &Form::fee},            {"납부일자", Field::PayDay, &Form::payDay},
        {"입관동기", Field::Motive, &Form::motiveCode},
    };
    for (const Required& r : required)
        if (isBlank(form.*r.value))
            return {QString::fromUtf8(r.word) + QStringLiteral("은(는) 필수 입력입니다."), kError, r.field};
    return {};
}

struct Width {
    const char* word;
    Field field;
    QString Form::*value;
    int limit;
};

// Text longer than its column is refused rather than cut without a word.
Refusal firstTooLong(const Form& form)
{
    const Width widths[] = {
        {"이름", Field::Name, &Form::name, 10},
        {"영문이름", Field::EnglishName, &Form::englishName, 30},
        {"한자", Field::HanjaName, &Form::hanjaName, 10},
        {"학교", Field::School, &Form::school, 20},
        {"HP", Field::Mobile, &Form::mobile, 20},
        {"E-mail", Field::Email, &Form::email, 50},
        {"주소", Field::Address, &Form::address, 50},
        {"학원수강", Field::OtherAcademies, &Form::otherAcademies, 200},
        {"기타", Field::Remarks, &Form::remarks, 255},
        {"납부은행", Field::Bank, &Form::bank, 10},
    };
    for (const Width& w : widths)
        if ((form.*w.value).trimmed().size() > w.limit)
            return {QStringLiteral("%1은(는) %2자 이내로 입력하세요.").arg(QString::fromUtf8(w.word)).arg(w.limit), kCheck, w.field};
    if (postalCode(form.postalText).size() > 7)
        return {QStringLiteral("우편번호는 7자 이내로 입력하세요."), kCheck, Field::Postal};
    for (const FamilyMember& member : form.family)
        if (member.name.trimmed().size() > 20 || member.job.trimmed().size() > 20 || member.remark.trimmed().size() > 255)
            return {QStringLiteral("가족사항의 성명과 직업은 20자, 비고는 255자 이내로 입력하세요."), kCheck, Field::Family};
    for (const Suggestion& suggestion : form.suggestions)
        if (suggestion.text.trimmed().size() > 255)
            return {QStringLiteral("건의내용은 255자 이내로 입력하세요."), kCheck, Field::Suggestions};
    return {};
}

Refusal badNumbers(const Form& form)
{
    bool ok = false;
    const int day = form.payDay.trimmed().toInt(&ok);
    if (!ok || day < 1 || day > 31)
        return {QStringLiteral("납부일자는 1에서 31 사이의 숫자로 입력하세요."), kCheck, Field::PayDay};
    QString(form.fee).remove(QLatin1Char(',')).trimmed().toLongLong(&ok);
    if (!ok)
        return {QStringLiteral("수련비를 숫자로 입력하세요."), kCheck, Field::Fee};
    for (const FamilyMember& member : form.family)
        for (const QString& date : {member.birthday, member.anniversary})
            if (!isBlank(date) && !DateText::isDateText(date.trimmed()))
                return {QStringLiteral("가족사항의 날짜를 YYYY-MM-DD로 입력하세요."), kCheck, Field::Family};
    for (const Suggestion& suggestion : form.suggestions)
        if (!isBlank(suggestion.date) && !DateText::isDateText(suggestion.date.trimmed()))
            return {QStringLiteral("건의날짜를 YYYY-MM-DD로 입력하세요."), kCheck, Field::Suggestions};
    return {};
}

Refusal badDate(const QString& text, const char* word, Field field)
{
    const QDate date = DateText::toDate(text);
    if (!date.isValid())
        return {QStringLiteral("%1을 바르게 입력하세요.").arg(QString::fromUtf8(word)), kCheck, field};
    if (date < QDate(1900, 1, 1))
        return {QStringLiteral("%1은 1900년 이후로 입력하세요.").arg(QString::fromUtf8(word)), kCheck, field};
    return {};
}

qint64 feeAmount(const Form& form)
{
    return QString(form.fee).remove(QLatin1Char(',')).trimmed().toLongLong();
}

QVariant textOrNull(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(trimmed);
}

void insertMember(Session& session, const Form& form)
{
    Query insert(session);
    insert.add(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명, 회원명영, 회원명한문, 성별, 부별코드, 급품코드, 주민등록번호,"));
    insert.add(QStringLiteral(" 양력음력, 생년월일, 지역코드, 입관일, 최초입관일, 전화번호, 핸드폰번호, 이메일, 우편번호, 주소, 학교,"));
    insert.add(QStringLiteral(" 학년, 반, 타학원수강, 기타사항, 납부일자, 수련비, 납부은행, 입관동기코드, 코스코드, 장소코드, 시간)"));
    insert.add(QStringLiteral("VALUES (:회원번호, :회원명, :회원명영, :회원명한문, :성별, :부별코드, :급품코드, :주민등록번호,"));
    insert.add(QStringLiteral(" :양력음력, :생년월일, :지역코드, :입관일, :입관일, :전화번호, :핸드폰번호, :이메일, :우편번호, :주소, :학교,"));
    insert.add(QStringLiteral(" :학년, :반, :타학원수강, :기타사항, :납부일자, :수련비, :납부은행, :입관동기코드, :코스코드, :장소코드, :시간)"));
    const QString phone = isBlank(form.phone) ? QString() : form.phone.trimmed();
    insert.setText(QStringLiteral("회원번호"), form.memberNumber)
        .setText(QStringLiteral("회원명"), form.name.trimmed())
        .setValue(QStringLiteral("회원명영"), textOrNull(form.englishName))
        .setValue(QStringLiteral("회원명한문"), textOrNull(form.hanjaName))
        .setText(QStringLiteral("성별"), form.sex)
        .setText(QStringLiteral("부별코드"), form.divisionCode)
        .setText(QStringLiteral("급품코드"), form.gradeCode)
        .setText(QStringLiteral("주민등록번호"), form.residentNumber.trimmed())
        .setText(QStringLiteral("양력음력"), form.calendar)
        .setValue(QStringLiteral("생년월일"), DateText::storable(form.birthDate))
        .setInt(QStringLiteral("지역코드"), form.areaCode.toInt())
        .setValue(QStringLiteral("입관일"), DateText::storable(form.joinDate))
        .setValue(QStringLiteral("전화번호"), textOrNull(phone))
        .setValue(QStringLiteral("핸드폰번호"), textOrNull(form.mobile))
        .setValue(QStringLiteral("이메일"), textOrNull(form.email))
        .setValue(QStringLiteral("우편번호"), textOrNull(postalCode(form.postalText)))
        .setValue(QStringLiteral("주소"), textOrNull(form.address))
        .setValue(QStringLiteral("학교"), textOrNull(form.school))
        .setValue(QStringLiteral("학년"), textOrNull(form.schoolYear))
        .setValue(QStringLiteral("반"), textOrNull(form.classNumber))
        .setValue(QStringLiteral("타학원수강"), textOrNull(form.otherAcademies))
        .setValue(QStringLiteral("기타사항"), textOrNull(form.remarks))
        .setInt(QStringLiteral("납부일자"), form.payDay.trimmed().toInt())
        .setInt(QStringLiteral("수련비"), feeAmount(form))
        .setValue(QStringLiteral("납부은행"), textOrNull(form.bank))
        .setText(QStringLiteral("입관동기코드"), form.motiveCode)
        .setValue(QStringLiteral("코스코드"), textOrNull(form.courseCode))
        .setValue(QStringLiteral("장소코드"), textOrNull(form.placeCode))
        .setValue(QStringLiteral("시간"), textOrNull(form.time));
    insert.exec();
}

void insertFamily(Session& session, const Form& form)
{
    Query insert(session);
    insert.add(QStringLiteral("INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명, 생일, 양력음력, 직업, 비고, 결혼기념일)"));
    insert.add(QStringLiteral("VALUES (:회원번호, :순번, :관계, :성명, :생일, :양력음력, :직업, :비고, :결혼기념일)"));
    for (int i = 0; i < form.family.size(); ++i) {
        const FamilyMember& member = form.family[i];
        insert.setText(QStringLiteral("회원번호"), form.memberNumber)
            .setInt(QStringLiteral("순번"), i + 1)
            .setValue(QStringLiteral("관계"), textOrNull(member.relation))
            .setValue(QStringLiteral("성명"), textOrNull(member.name))
            .setValue(QStringLiteral("생일"), DateText::storable(member.birthday))
            .setValue(QStringLiteral("양력음력"), textOrNull(member.calendar))
            .setValue(QStringLiteral("직업"), textOrNull(member.job))
            .setValue(QStringLiteral("비고"), textOrNull(member.remark))
            .setValue(QStringLiteral("결혼기념일"), DateText::storable(member.anniversary));
        insert.exec();
    }
}

void insertSuggestions(Session& session, const Form& form)
{
    Query insert(session, QStringLiteral("INSERT INTO T_건의사항 (회원번호, 순번, 건의일자, 건의사항) "
                                         "VALUES (:회원번호, :순번, :건의일자, :건의사항)"));
    for (int i = 0; i < form.suggestions.size(); ++i) {
        insert.setText(QStringLiteral("회원번호"), form.memberNumber)
            .setInt(QStringLiteral("순번"), i + 1)
            .setValue(QStringLiteral("건의일자"), DateText::storable(form.suggestions[i].date))
            .setValue(QStringLiteral("건의사항"), textOrNull(form.suggestions[i].text));
        insert.exec();
    }
}

void logMotive(Session& session, const Form& form)
{
    Query insert(session, QStringLiteral("Insert Into T_입관동기별현황 (회원번호, 입관일, 입관동기코드) "
                                         "Values ( :회원번호, :입관일, :동기코드 )"));
    insert.setText(QStringLiteral("회원번호"), form.memberNumber)
        .setValue(QStringLiteral("입관일"), DateText::storable(form.joinDate))
        .setText(QStringLiteral("동기코드"), form.motiveCode);
    insert.exec();
}

}

QString postalCode(const QString& postalText)
{
    return postalText.section(QLatin1Char(')'), 0, 0).trimmed();
}

QString residentFront(const QString& birthDate)
{
    const QString date = birthDate.trimmed();
    return date.mid(2, 2) + date.mid(5, 2) + date.mid(8, 2);
}

Refusal validate(const Form& form, const QString& lastClosedMonth)
{
    if (const Refusal missing = firstMissing(form); missing.refused())
        return missing;
    static const QRegularExpression resident(QStringLiteral("^\\d{6}-\\d{7}$"));
    if (!resident.match(form.residentNumber.trimmed()).hasMatch())
        return {QStringLiteral("주민등록번호를 13자리로 입력하세요."), kCheck, Field::ResidentNumber};
    if (const Refusal birth = badDate(form.birthDate, "생년월일", Field::BirthDate); birth.refused())
        return birth;
    if (const Refusal joined = badDate(form.joinDate, "입관일", Field::JoinDate); joined.refused())
        return joined;
    const QString closed = ClosedMonth::enrolmentRefusal(DateText::toDate(form.joinDate), lastClosedMonth);
    if (!closed.isEmpty())
        return {closed, ClosedMonth::kRefusalCaption, Field::JoinDate, true};
    if (const Refusal numbers = badNumbers(form); numbers.refused())
        return numbers;
    return firstTooLong(form);
}

void saveMember(Session& session, const Form& form)
{
    Transaction transaction(session);
    insertMember(session, form);
    insertFamily(session, form);
    insertSuggestions(session, form);
    if (!form.motiveCode.trimmed().isEmpty())
        logMotive(session, form);
    HeadcountTally::addOne(session, HeadcountTally::Kind::Joining, DateText::toDate(form.joinDate));
    transaction.commit();
}

bool wantsFirstPayment(const Form& form)
{
    return form.paidNow && !form.fee.trimmed().isEmpty();
}

void saveFirstPayment(Session& session, const Form& form)
{
    const QDate joined = DateText::toDate(form.joinDate);
    FeePayments::add(session, {form.memberNumber, form.name.trimmed(), MonthKey::fromDate(joined), joined,
                               feeAmount(form), QStringLiteral("신규입관")});
}

}
