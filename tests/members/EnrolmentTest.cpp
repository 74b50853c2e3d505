#include "datastore/DbError.h"
#include "members/Enrolment.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace {

using Enrolment::Field;
using Enrolment::Form;

Form complete()
{
    Form f;
    f.memberNumber = QStringLiteral("200903001");
    f.name = QStringLiteral("홍길동");
    f.englishName = QStringLiteral("Hong Gildong");
    f.hanjaName = QStringLiteral("洪吉童");
    f.birthDate = QStringLiteral("2002-05-07");
    f.calendar = QStringLiteral("양");
    f.sex = QStringLiteral("남");
    f.residentNumber = QStringLiteral("020507-3123456");
    f.divisionCode = QStringLiteral("03");
    f.joinDate = QStringLiteral("2009-03-05");
    f.schoolYear = QStringLiteral("초등 1");
    f.gradeCode = QStringLiteral("01");
    f.areaCode = QStringLiteral("3");
    f.phone = QStringLiteral("4000-1234");
    f.postalText = QStringLiteral("138-701)  서울 송파구 가락1동");
    f.address = QStringLiteral("가락동 1번지");
    f.payDay = QStringLiteral("5");
    f.fee = QStringLiteral("80000");
    f.motiveCode = QStringLiteral("01");
    return f;
}

struct RequiredCase {
    QString Form::*field;
    const char* word;
    Field focus;
};

TEST(Enrolment, EachMissingRequiredFieldIsNamed)
{
    const RequiredCase cases[] = {
        {&Form::name, "이름", Field::Name},         {&Form::birthDate, "생년월일", Field::BirthDate},
        {&Form::calendar, "양/음", Field::Calendar}, {&Form::sex, "성별", Field::Sex},
        {&Form::divisionCode, "부별", Field::Division}, {&Form::joinDate, "입관일", Field::JoinDate},
        {&Form::gradeCode, "현급", Field::Grade},    {&Form::areaCode, "지역", Field::Area},
        {&Form::fee, "수련비", Field::Fee},          {&Form::payDay, "납부일자", Field::PayDay},
        {&Form::motiveCode, "입관동기", Field::Motive},
    };
    for (const auto& c : cases) {
        Form f = complete();
        f.*c.field = QStringLiteral("    -  -  ");   // a date mask left blank counts as empty too
        const Enrolment::Refusal refusal = Enrolment::validate(f, QString());
        EXPECT_EQ(refusal.message, QString::fromUtf8(c.word) + QStringLiteral("은(는) 필수 입력입니다.")) << c.word;
        EXPECT_EQ(refusal.caption, QStringLiteral("오류"));
        EXPECT_EQ(refusal.field, c.focus) << c.word;
    }
    Form twoMissing = complete();
    twoMissing.name.clear();
    twoMissing.gradeCode.clear();
    EXPECT_EQ(Enrolment::validate(twoMissing, QString()).message, QStringLiteral("이름은(는) 필수 입력입니다."));
    EXPECT_FALSE(Enrolment::validate(complete(), QString()).refused());
}

struct CheckCase {
    const char* what;
    void (*change)(Form&);
    const char* message;
    Field field;
};

TEST(Enrolment, NumbersDatesAndLengthsAreCheckedBeforeAnythingIsWritten)
{
    const CheckCase cases[] = {
        {"12 digits", [](Form& f) { f.residentNumber = QStringLiteral("020507-312345"); },
         "주민등록번호를 13자리로 입력하세요.", Field::ResidentNumber},
        {"front only", [](Form& f) { f.residentNumber = QStringLiteral("020507-       "); },
         "주민등록번호를 13자리로 입력하세요.", Field::ResidentNumber},
        {"born 1899", [](Form& f) { f.birthDate = QStringLiteral("1899-12-31"); }, "생년월일은 1900년 이후로 입력하세요.", Field::BirthDate},
        {"no such day", [](Form& f) { f.birthDate = QStringLiteral("2009-02-30"); }, "생년월일을 바르게 입력하세요.", Field::BirthDate},
        {"joined 1899", [](Form& f) { f.joinDate = QStringLiteral("1899-01-01"); }, "입관일은 1900년 이후로 입력하세요.", Field::JoinDate},
        {"half a join date", [](Form& f) { f.joinDate = QStringLiteral("2009-03-  "); }, "입관일을 바르게 입력하세요.", Field::JoinDate},
        {"pay day 32", [](Form& f) { f.payDay = QStringLiteral("32"); }, "납부일자는 1에서 31 사이의 숫자로 입력하세요.", Field::PayDay},
        {"fee text", [](Form& f) { f.fee = QStringLiteral("팔만"); }, "수련비를 숫자로 입력하세요.", Field::Fee},
        {"long name", [](Form& f) { f.name = QStringLiteral("가나다라마바사아자차카"); }, "이름은(는) 10자 이내로 입력하세요.", Field::Name},
        {"long bank", [](Form& f) { f.bank = QStringLiteral("국민은행 123-456-789"); }, "납부은행은(는) 10자 이내로 입력하세요.", Field::Bank},
        {"long postal code", [](Form& f) { f.postalText = QStringLiteral("서울 송파구 가락동"); }, "우편번호는 7자 이내로 입력하세요.", Field::Postal},
        {"family date", [](Form& f) { f.family = {{QStringLiteral("부"), QStringLiteral("홍판서"), QStringLiteral("1970-13-01"), {}, {}, {}, {}}}; },
         "가족사항의 날짜를 YYYY-MM-DD로 입력하세요.", Field::Family},
    };
    for (const auto& c : cases) {
        Form f = complete();
        c.change(f);
        const Enrolment::Refusal refusal = Enrolment::validate(f, QString());
        EXPECT_EQ(refusal.message, QString::fromUtf8(c.message)) << c.what;
        EXPECT_EQ(refusal.field, c.field) << c.what;
        EXPECT_FALSE(refusal.openCancelScreen) << c.what;
    }
    EXPECT_EQ(Enrolment::residentFront(QStringLiteral("2009-03-05")), QStringLiteral("090305"));
    EXPECT_EQ(Enrolment::postalCode(QStringLiteral("138-701)  서울 송파구 가락1동")), QStringLiteral("138-701"));
    EXPECT_EQ(Enrolment::postalCode(QStringLiteral("138-701")), QStringLiteral("138-701"));
}

TEST(Enrolment, AJoinDateInAClosedMonthIsRefused)
{
    const Enrolment::Refusal refusal = Enrolment::validate(complete(), QStringLiteral("200903"));
    EXPECT_EQ(refusal.message, QStringLiteral("입관월 2009-03은 이미 마감처리된 월입니다.\r\r마감취소후 입관원서등록을 하세요."));
    EXPECT_EQ(refusal.caption, QStringLiteral("오류"));
    EXPECT_TRUE(refusal.openCancelScreen);
    EXPECT_FALSE(Enrolment::validate(complete(), QStringLiteral("200902")).refused());
    EXPECT_FALSE(Enrolment::validate(complete(), QStringLiteral("000000")).refused());
}

class EnrolmentSaveTest : public ::testing::Test {
protected:
    Form withEverything()
    {
        Form f = complete();
        f.paidNow = true;
        f.family = {{QStringLiteral("부"), QStringLiteral("홍판서"), QStringLiteral("1970-01-02"), QStringLiteral("양"),
                     QStringLiteral("회사원"), {}, QStringLiteral("1998-10-10")},
                    {QStringLiteral("모"), QStringLiteral("춘섬"), {}, {}, {}, {}, {}},
                    {QStringLiteral("형제"), QStringLiteral("홍인형"), {}, {}, {}, QStringLiteral("형"), {}}};
        f.suggestions = {{QStringLiteral("2009-03-05"), QStringLiteral("저녁반을 원합니다")}};
        return f;
    }
    int writtenRows()
    {
        int rows = 0;
        for (const char* table : {"T_회원", "T_가족사항", "T_건의사항", "T_입관동기별현황", "T_인원현황", "T_수련비납부", "T_금전출납"})
            rows += data.count(QString::fromUtf8(table));
        return rows;
    }
    TestData data;
};

TEST_F(EnrolmentSaveTest, ASaveWritesTheMemberFamilyLogTallyAndPayment)
{
    const Form f = withEverything();
    Enrolment::saveMember(data.session(), f);
    ASSERT_TRUE(Enrolment::wantsFirstPayment(f));
    Enrolment::saveFirstPayment(data.session(), f);

    EXPECT_EQ(data.column(QStringLiteral("SELECT 회원명 || '/' || 입관일 || '/' || 최초입관일 || '/' || 우편번호 || '/' || 수련비 || '/' || "
                                         "납부일자 || '/' || COALESCE(퇴관일, 휴관일, 퇴관사유코드, 휴관사유코드, '-') FROM T_회원")),
              QStringList{"홍길동/2009-03-05/2009-03-05/138-701/80000/5/-"});
    EXPECT_EQ(data.column(QStringLiteral("SELECT 순번 || 관계 || 성명 || COALESCE(생일, '') FROM T_가족사항 ORDER BY 순번")),
              (QStringList{"1부홍판서1970-01-02", "2모춘섬", "3형제홍인형"}));
    EXPECT_EQ(data.column(QStringLiteral("SELECT 순번 || '/' || 건의일자 || '/' || 건의사항 FROM T_건의사항")),
              QStringList{"1/2009-03-05/저녁반을 원합니다"});
    EXPECT_EQ(data.column(QStringLiteral("SELECT 회원번호 || '/' || 입관일 || '/' || 입관동기코드 FROM T_입관동기별현황")),
              QStringList{"200903001/2009-03-05/01"});
    EXPECT_EQ(data.column(QStringLiteral("SELECT 입관03 FROM T_인원현황 WHERE 년도 = 2009")), QStringList{"1"});
    EXPECT_EQ(data.column(QStringLiteral("SELECT 년월분 || '/' || 순번 || '/' || 납부일자 || '/' || 납부액 || '/' || 비고 FROM T_수련비납부")),
              QStringList{"200903/1/2009-03-05/80000/신규입관"});
    EXPECT_EQ(data.column(QStringLiteral("SELECT 일자 || '/' || 대항목 || '/' || 소항목 || '/' || 입금액 || '/' || 적요 || '/' || 수련비순번 "
                                         "FROM T_금전출납")),
              QStringList{"2009-03-05/수련비/홍길동/80000/신규입관/200903001-0001"});

    Form second = complete();
    second.memberNumber = QStringLiteral("200903002");
    second.joinDate = QStringLiteral("2009-03-20");
    Enrolment::saveMember(data.session(), second);
    EXPECT_FALSE(Enrolment::wantsFirstPayment(second));
    EXPECT_EQ(data.column(QStringLiteral("SELECT 입관03 FROM T_인원현황 WHERE 년도 = 2009")), QStringList{"2"});
    Form nextYear = complete();
    nextYear.memberNumber = QStringLiteral("201001001");
    nextYear.joinDate = QStringLiteral("2010-01-04");
    Enrolment::saveMember(data.session(), nextYear);
    EXPECT_EQ(data.column(QStringLiteral("SELECT 입관01 || '/' || 입관03 FROM T_인원현황 WHERE 년도 = 2010")), QStringList{"1/0"});
}

TEST_F(EnrolmentSaveTest, AFailureAtAnyWriteOfTheEnrolmentLeavesNoRow)
{
    for (const char* table : {"T_회원", "T_가족사항", "T_건의사항", "T_입관동기별현황", "T_인원현황"}) {
        data.exec(QStringLiteral("CREATE TRIGGER fail BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END").arg(QString::fromUtf8(table)));
        EXPECT_THROW(Enrolment::saveMember(data.session(), withEverything()), DbError) << table;
        EXPECT_EQ(writtenRows(), 0) << table;
        data.exec(QStringLiteral("DROP TRIGGER fail"));
    }
    // The year already has its tally row: the count is raised by an update.
    data.exec(QStringLiteral("INSERT INTO T_인원현황 (년도) VALUES (2009)"));
    data.exec(QStringLiteral("CREATE TRIGGER fail BEFORE UPDATE ON T_인원현황 BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    EXPECT_THROW(Enrolment::saveMember(data.session(), withEverything()), DbError);
    EXPECT_EQ(writtenRows(), 1);   // the tally row that was there before
}

TEST_F(EnrolmentSaveTest, AFailedFirstPaymentLeavesTheTraineeEnrolled)
{
    data.exec(QStringLiteral("CREATE TRIGGER fail BEFORE INSERT ON T_금전출납 BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const Form f = withEverything();
    Enrolment::saveMember(data.session(), f);
    EXPECT_THROW(Enrolment::saveFirstPayment(data.session(), f), DbError);
    EXPECT_EQ(data.count(QStringLiteral("T_회원")), 1);
    EXPECT_EQ(data.count(QStringLiteral("T_수련비납부")), 0);
    EXPECT_EQ(data.count(QStringLiteral("T_입관동기별현황")), 1);
}

}
