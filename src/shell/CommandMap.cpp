#include "shell/CommandMap.h"

namespace CommandMap {

Target screen(const QString& name, PageForm form, int page)
{
    Target target;
    target.kind = TargetKind::Screen;
    target.name = name;
    target.form = form;
    target.page = page;
    return target;
}

Target action(const QString& name)
{
    Target target;
    target.kind = TargetKind::Action;
    target.name = name;
    return target;
}

Target closeMainWindow()
{
    Target target;
    target.kind = TargetKind::CloseMainWindow;
    return target;
}

Target closeLauncher()
{
    Target target;
    target.kind = TargetKind::CloseLauncher;
    return target;
}

Target nothing()
{
    return Target{};
}

Target busy(Target target)
{
    target.busyCursor = true;
    return target;
}

Target gated(Target target)
{
    target.cashGate = true;
    return target;
}

Target maximized(Target target)
{
    target.maximized = true;
    return target;
}

Target unsuspended(Target target)
{
    target.noSuspend = true;
    return target;
}

Target withFirstButton(Target target, const QString& caption)
{
    target.firstButtonCaption = caption;
    return target;
}

namespace {

// The screens that many entries share, named once so a page number is the only
// thing that differs between the lines that open them.
Target card(int tab)
{
    return screen(QStringLiteral("TfPer0020"), PageForm::Tab, tab);
}

Target inquiry(int page)
{
    return screen(QStringLiteral("TfTot0010"), PageForm::EveryTimeLoad, page);
}

Target headcount(int page)
{
    return screen(QStringLiteral("TfMem0010"), PageForm::IfNew, page);
}

Target fitness(int page)
{
    return screen(QStringLiteral("TfBod0010"), PageForm::IfNewLoad, page);
}

Target attendance(int page)
{
    return screen(QStringLiteral("TfAtt0010"), PageForm::EveryTimeLoad, page);
}

Target fees(int page)
{
    return screen(QStringLiteral("TfFee0010"), PageForm::EveryTimeLoad, page);
}

// The leave screen is one screen with three modes; the mode word on its first
// button is what tells the user which of them the page is for.
Target leave(int page, const QString& modeWord)
{
    return withFirstButton(screen(QStringLiteral("TfRet0010"), PageForm::EveryTimeLoad, page), modeWord);
}

Target cashBook(int page)
{
    return screen(QStringLiteral("TfMon0010"), PageForm::EveryTimeLoad, page);
}

// The badge screen picks its page on every opening but reloads only when it
// has just been built; an open one keeps whatever the user filtered there.
Target badges(int page)
{
    return screen(QStringLiteral("TfInp0020"), PageForm::EveryTimeLoadIfNew, page);
}

MenuEntry item(const QString& caption, const Target& target)
{
    return MenuEntry{QStringList{caption}, target};
}

MenuEntry sub(const QString& submenu, const QString& caption, const Target& target)
{
    return MenuEntry{QStringList{submenu, caption}, target};
}

Target plain(const QString& name)
{
    return screen(name);
}

QList<Menu> buildMenus()
{
    const QString registration = QStringLiteral("신규등록");
    const QString badgeMenu = QStringLiteral("뱃지지급현황입력/조회");
    const QString internet = QStringLiteral("인터넷통보자료");

    return {
        Menu{QStringLiteral("개인관리"),
             {
                 sub(registration, QStringLiteral("입관원서"), plain(QStringLiteral("TfPer0010"))),
                 sub(registration, QStringLiteral("등록확인"), plain(QStringLiteral("TfPer0040"))),
                 item(QStringLiteral("신상명세서"), card(1)),
                 item(QStringLiteral("건의사항"), card(2)),
                 item(QStringLiteral("생활기록"), card(3)),
                 item(QStringLiteral("심사결과"), card(4)),
                 item(QStringLiteral("시상내역"), card(5)),
                 item(QStringLiteral("체력측정"), card(6)),
                 item(QStringLiteral("출석현황"), card(7)),
                 item(QStringLiteral("수련비납부"), card(8)),
                 item(QStringLiteral("뱃지지급"), card(9)),
                 item(QStringLiteral("상벌점내역"), card(10)),
                 item(QStringLiteral("집중도"), card(11)),
                 item(QStringLiteral("공지사항"), card(12)),
                 item(QStringLiteral("개인자료일괄출력"), plain(QStringLiteral("TfPer0030"))),
                 item(QStringLiteral("종료"), closeMainWindow()),
             }},
        // The heavy inquiry pages scan every member row; the busy cursor tells
        // the user the click was taken, and the page's own loading clears it.
        // The page numbers follow the screen's page order, not the menu order.
        Menu{QStringLiteral("종합관리"),
             {
                 item(QStringLiteral("명단/부별/입관일조회"), busy(inquiry(1))),
                 item(QStringLiteral("학교/학년/성별조회"), inquiry(2)),
                 item(QStringLiteral("급품/단증번호조회"), inquiry(3)),
                 item(QStringLiteral("주소/지역별조회"), inquiry(4)),
                 item(QStringLiteral("수련생/가족/생일조회"), inquiry(5)),
                 item(QStringLiteral("시상내역조회"), inquiry(6)),
                 item(QStringLiteral("상벌점내역조회"), inquiry(7)),
                 item(QStringLiteral("건의사항내용조회"), inquiry(8)),
                 item(QStringLiteral("종합시상내역조회"), inquiry(9)),
                 item(QStringLiteral("심사신청서/접수증"), inquiry(10)),
                 item(QStringLiteral("생활기록내용조회"), busy(inquiry(11))),
                 item(QStringLiteral("심사결과평가내용조회"), busy(inquiry(14))),
                 item(QStringLiteral("코스별탑승현황조회"), busy(inquiry(12))),
                 item(QStringLiteral("집중도현황조회"), busy(inquiry(13))),
                 item(QStringLiteral("개인공지사항조회"), busy(inquiry(15))),
                 item(QStringLiteral("일일현황/업무일지작성"), plain(QStringLiteral("TfDaily"))),
                 item(QStringLiteral("입관상담내용입력/조회"),
                      screen(QStringLiteral("TfCon0010"), PageForm::IfNew, 1)),
                 item(QStringLiteral("행사참가현황입력/조회"), plain(QStringLiteral("TfEve0010"))),
                 sub(badgeMenu, QStringLiteral("일괄/개인 지급"), badges(1)),
                 sub(badgeMenu, QStringLiteral("지급현황"), badges(2)),
                 sub(badgeMenu, QStringLiteral("주문현황"), badges(3)),
                 item(QStringLiteral("수료증발급현황조회"), plain(QStringLiteral("TfPri8020"))),
             }},
        // An open statistics screen keeps the page the user is reading.
        Menu{QStringLiteral("인원현황"),
             {
                 item(QStringLiteral("전체인원현황"), headcount(1)),
                 item(QStringLiteral("당해년도증감현황"), headcount(2)),
                 item(QStringLiteral("년간대비증감현황"), headcount(3)),
                 item(QStringLiteral("퇴관사유별현황"), headcount(4)),
                 item(QStringLiteral("휴관사유별현황"), headcount(5)),
                 item(QStringLiteral("입관동기별현황"), headcount(6)),
             }},
        Menu{QStringLiteral("일괄입력"),
             {
                 item(QStringLiteral("부/학년/반/수련비"), plain(QStringLiteral("TfInp0010"))),
                 item(QStringLiteral("생활기록내용일괄입력"), plain(QStringLiteral("TfLife"))),
                 item(QStringLiteral("건의사항내용일괄입력"), plain(QStringLiteral("TfRequire"))),
                 item(QStringLiteral("개인공지사항일괄입력"), plain(QStringLiteral("TfSimsaGongji"))),
                 item(QStringLiteral("상벌점내역일괄입력"), plain(QStringLiteral("TfBuljum"))),
                 item(QStringLiteral("집중도일괄입력"), plain(QStringLiteral("TfJibjung"))),
                 item(QStringLiteral("단증번호일괄입력"), plain(QStringLiteral("TfrmDanNoInput"))),
             }},
        Menu{QStringLiteral("체력측정"),
             {
                 item(QStringLiteral("측정결과입력/조회"), fitness(1)),
                 item(QStringLiteral("측정자료그래프출력"), fitness(2)),
                 item(QStringLiteral("체력측정표인쇄"), fitness(3)),
                 item(QStringLiteral("측정결과일괄출력"), plain(QStringLiteral("TfPri5050"))),
                 item(QStringLiteral("측정결과평가일괄출력"), plain(QStringLiteral("TfPri5060"))),
                 item(QStringLiteral("체력측정시상"), plain(QStringLiteral("TfPri8040"))),
                 item(QStringLiteral("비만도측정"), plain(QStringLiteral("TfSimpleFat"))),
                 item(QStringLiteral("성인기초체력측정"),
                      screen(QStringLiteral("TfAdultResult"), PageForm::IfNew, 1)),
             }},
        Menu{QStringLiteral("심사관리"),
             {
                 item(QStringLiteral("급증발부"), plain(QStringLiteral("TfPri0070"))),
                 item(QStringLiteral("심사채점표"), plain(QStringLiteral("TfPri0090"))),
                 item(QStringLiteral("심사안내문"), plain(QStringLiteral("TfPri0050"))),
                 item(QStringLiteral("심사신청서"), plain(QStringLiteral("TfPriSinchung"))),
                 item(QStringLiteral("심사결과일괄입력"), plain(QStringLiteral("TfInp0011"))),
                 item(QStringLiteral("심사결과평가일괄입력"), plain(QStringLiteral("TfSimsaEst"))),
                 item(QStringLiteral("심사결과통지서일괄발부"), plain(QStringLiteral("TfPriSimsaTongji"))),
             }},
        Menu{QStringLiteral("출석관리"),
             {
                 item(QStringLiteral("출석부출력/입관일자"), plain(QStringLiteral("TfPri0020"))),
                 item(QStringLiteral("출석부출력/납부일자"), plain(QStringLiteral("TfPri0022"))),
                 item(QStringLiteral("일일결석자입력"), attendance(1)),
                 item(QStringLiteral("일일결석자확인"), attendance(2)),
                 item(QStringLiteral("결석현황/월간/일수별"), attendance(3)),
                 item(QStringLiteral("개근상대상자검색/발부"), attendance(4)),
             }},
        Menu{QStringLiteral("수련비"),
             {
                 item(QStringLiteral("수련비납부등록"), fees(1)),
                 item(QStringLiteral("수련비납부현황/당월"), fees(2)),
                 item(QStringLiteral("미납현황/납부통지서"), fees(3)),
                 item(QStringLiteral("납부영수증발부"), fees(4)),
                 item(QStringLiteral("미납수련비정산"), fees(5)),
                 item(QStringLiteral("연말정산/세무서제출"), fees(6)),
             }},
        Menu{QStringLiteral("퇴관처리"),
             {
                 item(QStringLiteral("퇴관처리"), leave(1, QStringLiteral("퇴     관"))),
                 item(QStringLiteral("휴관처리"), leave(2, QStringLiteral("휴     관"))),
                 item(QStringLiteral("복관처리"), leave(3, QStringLiteral("복     관"))),
             }},
        Menu{QStringLiteral("양식출력"),
             {
                 item(QStringLiteral("상장발부"), plain(QStringLiteral("TfPri0010"))),
                 item(QStringLiteral("관원증발부"), plain(QStringLiteral("TfPri0040"))),
                 item(QStringLiteral("DM발송"), plain(QStringLiteral("TfDmPrint"))),
                 item(QStringLiteral("수료증발부"), plain(QStringLiteral("TfPri8010"))),
                 item(QStringLiteral("수련생명부"), plain(QStringLiteral("TfPri8030"))),
             }},
        // A closed month must not take new cash entries, so the menu path goes
        // through the closing check first.
        Menu{QStringLiteral("금전출납"),
             {
                 item(QStringLiteral("수입/지출등록"), gated(cashBook(1))),
                 item(QStringLiteral("거래내역"), gated(cashBook(2))),
                 item(QStringLiteral("거래처등록"), gated(cashBook(3))),
                 item(QStringLiteral("입/출금항목등록"), gated(cashBook(4))),
                 item(QStringLiteral("입/출금내역조회"), gated(cashBook(5))),
             }},
        // The cash opening values and the holiday list are built without
        // suspending the main window's drawing (as are the month-end screens
        // under the last menu).
        Menu{QStringLiteral("환경설정"),
             {
                 item(QStringLiteral("사용자정의1"), plain(QStringLiteral("TfEnviron"))),
                 item(QStringLiteral("사용자정의2"), plain(QStringLiteral("TfEnv0030"))),
                 item(QStringLiteral("탑승현황코드"), plain(QStringLiteral("TfCarTime1"))),
                 item(QStringLiteral("심사항목설정"), plain(QStringLiteral("TfExamSet"))),
                 item(QStringLiteral("급별수련내용"), plain(QStringLiteral("TfTrSet"))),
                 item(QStringLiteral("급별심사내용"), plain(QStringLiteral("TfSimsaSinchungCode"))),
                 item(QStringLiteral("결석사유설정"), plain(QStringLiteral("TfAbsRsn"))),
                 item(QStringLiteral("휴퇴관사유설정"), plain(QStringLiteral("TfRReason"))),
                 item(QStringLiteral("문체부값설정"), plain(QStringLiteral("TfMunche"))),
                 item(QStringLiteral("체육관등록정보"), plain(QStringLiteral("TfGymInfo"))),
                 item(QStringLiteral("비만평가내용설정"), plain(QStringLiteral("TfFat"))),
                 item(QStringLiteral("체력측정결과평가"), plain(QStringLiteral("TfEstimate"))),
                 item(QStringLiteral("심사결과안내문"), plain(QStringLiteral("TfSimsaInfoCode"))),
                 item(QStringLiteral("성인체력측정항목"), plain(QStringLiteral("TfAdultEstimateCode"))),
                 item(QStringLiteral("성인체력등급표"), plain(QStringLiteral("TfAdultLevel"))),
                 item(QStringLiteral("성인체력측정평가"), plain(QStringLiteral("TfAdultEstimate"))),
                 item(QStringLiteral("금전출납초기값설정"), unsuspended(plain(QStringLiteral("TfMoneyMaster")))),
                 item(QStringLiteral("공휴일/공통행사등록"), unsuspended(plain(QStringLiteral("TfHoliday")))),
                 item(QStringLiteral("부별행사등록"), plain(QStringLiteral("TfBuEvent"))),
                 item(QStringLiteral("주운동/세부운동등록"), plain(QStringLiteral("TfMainTrain"))),
             }},
        Menu{QStringLiteral("기  타"),
             {
                 item(QStringLiteral("자료보관"), action(QStringLiteral("Backup"))),
                 item(QStringLiteral("자료복구"), action(QStringLiteral("Restore"))),
                 item(QStringLiteral("자료삭제"), plain(QStringLiteral("TfDel10"))),
                 item(QStringLiteral("월마감작업"), unsuspended(plain(QStringLiteral("TfEndYesNo")))),
                 item(QStringLiteral("월마감취소"), unsuspended(plain(QStringLiteral("TfEndCancel")))),
                 item(QStringLiteral("분석자료"), plain(QStringLiteral("TfAssSend"))),
                 item(QStringLiteral("온라인퇴관자료"), plain(QStringLiteral("TfDataSend"))),
                 item(QStringLiteral("온라인입관자료"), plain(QStringLiteral("TfDataReceive"))),
                 sub(internet, QStringLiteral("수련생자료"), plain(QStringLiteral("TfUploadCreate1"))),
                 sub(internet, QStringLiteral("통신문"), plain(QStringLiteral("TfUploadCreate2"))),
                 sub(internet, QStringLiteral("심사결과"), plain(QStringLiteral("TfPriSimsaTongji"))),
                 sub(internet, QStringLiteral("심사안내문"), plain(QStringLiteral("TfPri0050"))),
                 sub(internet, QStringLiteral("납부통지서"), fees(3)),
                 sub(internet, QStringLiteral("체력측정"), plain(QStringLiteral("TfPri5060"))),
                 // The notice files are made from the same pages the daily
                 // work uses, so these reuse the attendance and fee entries.
                 sub(internet, QStringLiteral("일일결석자"), attendance(2)),
                 sub(internet, QStringLiteral("납부확인"), fees(4)),
                 sub(internet, QStringLiteral("SMS 전송"), plain(QStringLiteral("TfUploadCreate9"))),
                 item(QStringLiteral("수련계획안작성"), plain(QStringLiteral("TfPlanPrint"))),
             }},
    };
}

// Launchers fill the work area; the toolbar asks for them maximized so a
// launcher brought back to the front does not reappear at a smaller size.
Target openLauncher(const QString& name)
{
    return maximized(plain(name));
}

QList<Button> buildToolbar()
{
    return {
        Button{QStringLiteral(" 등 록 업 무"), openLauncher(QStringLiteral("TfSM_input"))},
        Button{QStringLiteral(" 조 회 업 무"), openLauncher(QStringLiteral("TfSM_query"))},
        Button{QStringLiteral(" 퇴 관 업 무"), openLauncher(QStringLiteral("TfSM_ret"))},
        Button{QStringLiteral(" 양 식 출 력"), openLauncher(QStringLiteral("TfSM_form"))},
        Button{QStringLiteral(" 심 사 업 무"), openLauncher(QStringLiteral("TfSM_sim"))},
        Button{QStringLiteral(" 환 경 정 의"), openLauncher(QStringLiteral("TfSM_env"))},
        Button{QStringLiteral(" 종       료"), closeMainWindow()},
    };
}

// On a launcher the cash book opens directly and maximized; only the menu
// entries go through the month-closing check.
Target launcherCashBook(int page)
{
    return maximized(cashBook(page));
}

QList<Launcher> buildLaunchers()
{
    const Target examResults = plain(QStringLiteral("TfInp0011"));
    const Target examReceipts = busy(inquiry(10));

    return {
        Launcher{QStringLiteral("TfSM_input"),
                 QStringLiteral("등 록 업 무"),
                 {
                     Button{QStringLiteral("입관원서작성"), plain(QStringLiteral("TfPer0010"))},
                     Button{QStringLiteral("체력측정입력"), plain(QStringLiteral("TfBod0010"))},
                     Button{QStringLiteral("결석자입력"),
                            screen(QStringLiteral("TfAtt0010"), PageForm::EveryTimeNoLoad, 1)},
                     Button{QStringLiteral("수련비납부"), plain(QStringLiteral("TfFee0010"))},
                     Button{QStringLiteral("수입지출등록"), launcherCashBook(1)},
                     Button{QStringLiteral("거래처관리"), launcherCashBook(3)},
                     Button{QStringLiteral("상벌점일괄입력"), plain(QStringLiteral("TfBuljum"))},
                     Button{QStringLiteral("행사관리"), plain(QStringLiteral("TfEve0010"))},
                     Button{QStringLiteral("입관상담"), screen(QStringLiteral("TfCon0010"), PageForm::IfNew, 2)},
                     Button{QStringLiteral("뺏지지급"), badges(1)},
                     Button{QStringLiteral("부/학년/수련비"), plain(QStringLiteral("TfInp0010"))},
                     Button{QStringLiteral("집중도"), plain(QStringLiteral("TfJibjung"))},
                     Button{QStringLiteral("단증번호"), plain(QStringLiteral("TfrmDanNoInput"))},
                     Button{QStringLiteral("심사채점"), examResults},
                     Button{QStringLiteral("생활기록"), plain(QStringLiteral("TfLife"))},
                     Button{QStringLiteral("심사결과"), examResults},
                     Button{QStringLiteral("심사결과평가"), plain(QStringLiteral("TfSimsaEst"))},
                     Button{QStringLiteral("개인공지사항"), plain(QStringLiteral("TfSimsaGongji"))},
                     Button{QStringLiteral("건의사항"), plain(QStringLiteral("TfRequire"))},
                     Button{QStringLiteral("종료"), closeLauncher()},
                 }},
        Launcher{QStringLiteral("TfSM_query"),
                 QStringLiteral("조 회 업 무"),
                 {
                     Button{QStringLiteral("개인검색"), card(1)},
                     // Quick look-up: keep whatever the inquiry screen already
                     // holds, so no reload and no busy cursor.
                     Button{QStringLiteral("종합관리"),
                            screen(QStringLiteral("TfTot0010"), PageForm::EveryTimeNoLoad, 1)},
                     Button{QStringLiteral("인원현황"), plain(QStringLiteral("TfMem0010"))},
                     Button{QStringLiteral("뺏지지급"), plain(QStringLiteral("TfInp0020"))},
                     Button{QStringLiteral("출석관리"), plain(QStringLiteral("TfAtt0010"))},
                     Button{QStringLiteral("수련비납부"), plain(QStringLiteral("TfFee0010"))},
                     Button{QStringLiteral("금전출납"), launcherCashBook(1)},
                     Button{QStringLiteral("입관상담"), screen(QStringLiteral("TfCon0010"), PageForm::IfNew, 1)},
                     Button{QStringLiteral("일일현황"), plain(QStringLiteral("TfDaily"))},
                     Button{QStringLiteral("행사관리"), plain(QStringLiteral("TfEve0010"))},
                     Button{QStringLiteral("수료증발급"), plain(QStringLiteral("TfPri8010"))},
                     Button{QStringLiteral("체력측정"), fitness(1)},
                     Button{QStringLiteral("비만도"), plain(QStringLiteral("TfSimpleFat"))},
                     // Kept as a visible, unbound button: the adult fitness
                     // screen has its own menu entry.
                     Button{QStringLiteral("성인기초체력"), nothing()},
                     Button{QStringLiteral("종료"), closeLauncher()},
                 }},
        // All three open the leave screen as it is: a new one starts on its
        // rest page and the user switches the mode there.
        Launcher{QStringLiteral("TfSM_ret"),
                 QStringLiteral("퇴 관 업 무"),
                 {
                     Button{QStringLiteral("퇴관처리"), plain(QStringLiteral("TfRet0010"))},
                     Button{QStringLiteral("휴관처리"), plain(QStringLiteral("TfRet0010"))},
                     Button{QStringLiteral("복관처리"), plain(QStringLiteral("TfRet0010"))},
                     Button{QStringLiteral("종료"), closeLauncher()},
                 }},
        Launcher{QStringLiteral("TfSM_form"),
                 QStringLiteral("양 식 출 력"),
                 {
                     Button{QStringLiteral("급증 발부"), plain(QStringLiteral("TfPri0070"))},
                     Button{QStringLiteral("심사채점표"), plain(QStringLiteral("TfPri0090"))},
                     Button{QStringLiteral("심사안내문"), plain(QStringLiteral("TfPri0050"))},
                     Button{QStringLiteral("출석부"), plain(QStringLiteral("TfPri0020"))},
                     Button{QStringLiteral("체력측정표"),
                            screen(QStringLiteral("TfBod0010"), PageForm::EveryTimeNoLoad, 3)},
                     Button{QStringLiteral("수련비납부"), plain(QStringLiteral("TfFee0010"))},
                     Button{QStringLiteral("DM발송"), plain(QStringLiteral("TfDmPrint"))},
                     Button{QStringLiteral("관원증발부"), plain(QStringLiteral("TfPri0040"))},
                     Button{QStringLiteral("상장발부"), plain(QStringLiteral("TfPri0010"))},
                     Button{QStringLiteral("수료증발부"), plain(QStringLiteral("TfPri8010"))},
                     Button{QStringLiteral("체력측정결과"), plain(QStringLiteral("TfPri5050"))},
                     Button{QStringLiteral("참가증서"), plain(QStringLiteral("TfEve0010"))},
                     Button{QStringLiteral("개근상발부"), plain(QStringLiteral("TfAtt0010"))},
                     Button{QStringLiteral("체력측정시상"), plain(QStringLiteral("TfPri8040"))},
                     Button{QStringLiteral("종 료"), closeLauncher()},
                 }},
        Launcher{QStringLiteral("TfSM_sim"),
                 QStringLiteral("심 사 업 무"),
                 {
                     Button{QStringLiteral("일괄승급"), examResults},
                     Button{QStringLiteral("체점승급"), examResults},
                     Button{QStringLiteral("단보승급"), examResults},
                     Button{QStringLiteral("국기원"), examReceipts},
                     Button{QStringLiteral("심사접수증"), examReceipts},
                     Button{QStringLiteral("심사안내문"), plain(QStringLiteral("TfPri0050"))},
                     Button{QStringLiteral("심사신청서"), plain(QStringLiteral("TfPriSinchung"))},
                     Button{QStringLiteral("심사결과평가"), plain(QStringLiteral("TfSimsaEst"))},
                     Button{QStringLiteral("심사결과통지서"), plain(QStringLiteral("TfPriSimsaTongji"))},
                     Button{QStringLiteral("종료"), closeLauncher()},
                 }},
        Launcher{QStringLiteral("TfSM_env"),
                 QStringLiteral("환 경 정 의"),
                 {
                     Button{QStringLiteral("사용자정의 1"), plain(QStringLiteral("TfEnviron"))},
                     Button{QStringLiteral("사용자정의 2"), plain(QStringLiteral("TfEnv0030"))},
                     Button{QStringLiteral("결석사유"), plain(QStringLiteral("TfAbsRsn"))},
                     Button{QStringLiteral("급별수련내용"), plain(QStringLiteral("TfTrSet"))},
                     Button{QStringLiteral("체육관정보"), plain(QStringLiteral("TfGymInfo"))},
                     Button{QStringLiteral("문체부평균값"), plain(QStringLiteral("TfMunche"))},
                     Button{QStringLiteral("심사항목설정"), plain(QStringLiteral("TfExamSet"))},
                     Button{QStringLiteral("휴/퇴관 사유"), plain(QStringLiteral("TfRReason"))},
                     Button{QStringLiteral("탑승현황"), plain(QStringLiteral("TfCarTime1"))},
                     Button{QStringLiteral("비만평가내용"), plain(QStringLiteral("TfFat"))},
                     Button{QStringLiteral("체력측정결과평가"), plain(QStringLiteral("TfEstimate"))},
                     Button{QStringLiteral("성인체력측정항목"), plain(QStringLiteral("TfAdultEstimateCode"))},
                     Button{QStringLiteral("심사결과안내문"), plain(QStringLiteral("TfSimsaInfoCode"))},
                     Button{QStringLiteral("성인체력등급표"), plain(QStringLiteral("TfAdultLevel"))},
                     Button{QStringLiteral("종료"), closeLauncher()},
                 }},
    };
}

}

const QList<Menu>& menus()
{
    static const QList<Menu> table = buildMenus();
    return table;
}

const QList<Button>& toolbar()
{
    static const QList<Button> table = buildToolbar();
    return table;
}

const QList<Launcher>& launchers()
{
    static const QList<Launcher> table = buildLaunchers();
    return table;
}

const Launcher* launcher(const QString& screen)
{
    for (const Launcher& candidate : launchers())
        if (candidate.screen == screen)
            return &candidate;
    return nullptr;
}

}
