#include "shell/CommandMap.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace CommandMap;

namespace {

std::string text(const QString& value)
{
    return value.toStdString();
}

const char* formName(PageForm form)
{
    switch (form) {
    case PageForm::None:
        return "None";
    case PageForm::EveryTimeLoad:
        return "EveryTimeLoad";
    case PageForm::EveryTimeNoLoad:
        return "EveryTimeNoLoad";
    case PageForm::EveryTimeLoadIfNew:
        return "EveryTimeLoadIfNew";
    case PageForm::IfNew:
        return "IfNew";
    case PageForm::IfNewLoad:
        return "IfNewLoad";
    case PageForm::Tab:
        return "Tab";
    }
    return "?";
}

const char* kindName(TargetKind kind)
{
    switch (kind) {
    case TargetKind::Screen:
        return "Screen";
    case TargetKind::Action:
        return "Action";
    case TargetKind::CloseMainWindow:
        return "CloseMainWindow";
    case TargetKind::CloseLauncher:
        return "CloseLauncher";
    case TargetKind::Nothing:
        return "Nothing";
    }
    return "?";
}

// Every field of a target on one line, so a failing row shows at once which
// part of the opening went wrong. A page without a form is printed too: that
// is exactly the slip the invariants below look for.
std::string describe(const Target& target)
{
    std::string line = kindName(target.kind);
    if (!target.name.isEmpty())
        line += " " + text(target.name);
    if (target.form != PageForm::None || target.page != 0)
        line += std::string(" ") + formName(target.form) + " " + std::to_string(target.page);
    if (target.busyCursor)
        line += " busy";
    if (target.cashGate)
        line += " gate";
    if (target.maximized)
        line += " maximized";
    if (target.noSuspend)
        line += " noSuspend";
    if (!target.firstButtonCaption.isEmpty())
        line += " first=\"" + text(target.firstButtonCaption) + "\"";
    return line;
}

std::string joinedPath(const MenuEntry& entry)
{
    return text(entry.path.join(QStringLiteral(" > ")));
}

const Menu* findMenu(const std::string& caption)
{
    for (const Menu& menu : menus())
        if (text(menu.caption) == caption)
            return &menu;
    return nullptr;
}

const MenuEntry* findEntry(const std::string& menuCaption, const std::string& path)
{
    const Menu* menu = findMenu(menuCaption);
    if (!menu)
        return nullptr;
    for (const MenuEntry& entry : menu->entries)
        if (joinedPath(entry) == path)
            return &entry;
    return nullptr;
}

const Button* findButton(const QList<Button>& buttons, const std::string& caption)
{
    for (const Button& button : buttons)
        if (text(button.caption) == caption)
            return &button;
    return nullptr;
}

// Every target of the map with where it sits, for the checks that must hold
// for all of them.
struct Place {
    std::string where;
    Target target;
};

std::vector<Place> menuTargets()
{
    std::vector<Place> places;
    for (const Menu& menu : menus())
        for (const MenuEntry& entry : menu.entries)
            places.push_back({"menu " + text(menu.caption) + " / " + joinedPath(entry), entry.target});
    return places;
}

std::vector<Place> launcherTargets()
{
    std::vector<Place> places;
    for (const Launcher& launcher : launchers())
        for (const Button& button : launcher.buttons)
            places.push_back({"launcher " + text(launcher.screen) + " / " + text(button.caption), button.target});
    return places;
}

std::vector<Place> everyTarget()
{
    std::vector<Place> places = menuTargets();
    for (const Button& button : toolbar())
        places.push_back({"toolbar / " + text(button.caption), button.target});
    for (const Place& place : launcherTargets())
        places.push_back(place);
    return places;
}

// ---------------------------------------------------------------- builders

TEST(CommandMapBuilders, ScreenStartsPlainAndEachModifierSetsOnlyItsOwnField)
{
    const Target base = screen(QStringLiteral("TfFee0010"), PageForm::IfNewLoad, 4);
    EXPECT_EQ(describe(base), "Screen TfFee0010 IfNewLoad 4");
    EXPECT_EQ(describe(screen(QStringLiteral("TfDaily"))), "Screen TfDaily");

    struct Case {
        const char* name;
        Target target;
        const char* expected;
    };
    const Case cases[] = {
        {"busy", busy(base), "Screen TfFee0010 IfNewLoad 4 busy"},
        {"gated", gated(base), "Screen TfFee0010 IfNewLoad 4 gate"},
        {"maximized", maximized(base), "Screen TfFee0010 IfNewLoad 4 maximized"},
        {"unsuspended", unsuspended(base), "Screen TfFee0010 IfNewLoad 4 noSuspend"},
        {"first button", withFirstButton(base, QStringLiteral("휴     관")),
         "Screen TfFee0010 IfNewLoad 4 first=\"휴     관\""},
        {"all stacked",
         withFirstButton(unsuspended(maximized(gated(busy(base)))), QStringLiteral("x")),
         "Screen TfFee0010 IfNewLoad 4 busy gate maximized noSuspend first=\"x\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(describe(c.target), c.expected) << c.name;
}

TEST(CommandMapBuilders, TargetsThatAreNotScreens)
{
    const struct {
        Target target;
        const char* expected;
    } cases[] = {
        {action(QStringLiteral("Backup")), "Action Backup"},
        {closeMainWindow(), "CloseMainWindow"},
        {closeLauncher(), "CloseLauncher"},
        {nothing(), "Nothing"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(c.target), c.expected);
}

// ---------------------------------------------------------------- menus

TEST(CommandMapMenus, MenuBarCaptionsInOrder)
{
    std::vector<std::string> captions;
    for (const Menu& menu : menus())
        captions.push_back(text(menu.caption));
    const std::vector<std::string> expected = {
        "개인관리", "종합관리", "인원현황", "일괄입력", "체력측정", "심사관리", "출석관리",
        "수련비",   "퇴관처리", "양식출력", "금전출납", "환경설정", "기  타",
    };
    EXPECT_EQ(captions, expected);
}

TEST(CommandMapMenus, EveryEntryInMenuOrder)
{
    struct Case {
        const char* menu;
        std::vector<std::string> paths;
    };
    const Case cases[] = {
        {"개인관리",
         {"신규등록 > 입관원서", "신규등록 > 등록확인", "신상명세서", "건의사항", "생활기록", "심사결과",
          "시상내역", "체력측정", "출석현황", "수련비납부", "뱃지지급", "상벌점내역", "집중도", "공지사항",
          "개인자료일괄출력", "종료"}},
        {"종합관리",
         {"명단/부별/입관일조회", "학교/학년/성별조회", "급품/단증번호조회", "주소/지역별조회",
          "수련생/가족/생일조회", "시상내역조회", "상벌점내역조회", "건의사항내용조회", "종합시상내역조회",
          "심사신청서/접수증", "생활기록내용조회", "심사결과평가내용조회", "코스별탑승현황조회",
          "집중도현황조회", "개인공지사항조회", "일일현황/업무일지작성", "입관상담내용입력/조회",
          "행사참가현황입력/조회", "뱃지지급현황입력/조회 > 일괄/개인 지급",
          "뱃지지급현황입력/조회 > 지급현황", "뱃지지급현황입력/조회 > 주문현황", "수료증발급현황조회"}},
        {"인원현황",
         {"전체인원현황", "당해년도증감현황", "년간대비증감현황", "퇴관사유별현황", "휴관사유별현황",
          "입관동기별현황"}},
        {"일괄입력",
         {"부/학년/반/수련비", "생활기록내용일괄입력", "건의사항내용일괄입력", "개인공지사항일괄입력",
          "상벌점내역일괄입력", "집중도일괄입력", "단증번호일괄입력"}},
        {"체력측정",
         {"측정결과입력/조회", "측정자료그래프출력", "체력측정표인쇄", "측정결과일괄출력",
          "측정결과평가일괄출력", "체력측정시상", "비만도측정", "성인기초체력측정"}},
        {"심사관리",
         {"급증발부", "심사채점표", "심사안내문", "심사신청서", "심사결과일괄입력", "심사결과평가일괄입력",
          "심사결과통지서일괄발부"}},
        {"출석관리",
         {"출석부출력/입관일자", "출석부출력/납부일자", "일일결석자입력", "일일결석자확인",
          "결석현황/월간/일수별", "개근상대상자검색/발부"}},
        {"수련비",
         {"수련비납부등록", "수련비납부현황/당월", "미납현황/납부통지서", "납부영수증발부", "미납수련비정산",
          "연말정산/세무서제출"}},
        {"퇴관처리", {"퇴관처리", "휴관처리", "복관처리"}},
        {"양식출력", {"상장발부", "관원증발부", "DM발송", "수료증발부", "수련생명부"}},
        {"금전출납", {"수입/지출등록", "거래내역", "거래처등록", "입/출금항목등록", "입/출금내역조회"}},
        {"환경설정",
         {"사용자정의1", "사용자정의2", "탑승현황코드", "심사항목설정", "급별수련내용", "급별심사내용",
          "결석사유설정", "휴퇴관사유설정", "문체부값설정", "체육관등록정보", "비만평가내용설정",
          "체력측정결과평가", "심사결과안내문", "성인체력측정항목", "성인체력등급표", "성인체력측정평가",
          "금전출납초기값설정", "공휴일/공통행사등록", "부별행사등록", "주운동/세부운동등록"}},
        {"기  타",
         {"자료보관", "자료복구", "자료삭제", "월마감작업", "월마감취소", "분석자료", "온라인퇴관자료",
          "온라인입관자료", "인터넷통보자료 > 수련생자료", "인터넷통보자료 > 통신문",
          "인터넷통보자료 > 심사결과", "인터넷통보자료 > 심사안내문", "인터넷통보자료 > 납부통지서",
          "인터넷통보자료 > 체력측정", "인터넷통보자료 > 일일결석자", "인터넷통보자료 > 납부확인",
          "인터넷통보자료 > SMS 전송", "수련계획안작성"}},
    };
    ASSERT_EQ(menus().size(), std::size(cases));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        const Menu* menu = findMenu(c.menu);
        ASSERT_NE(menu, nullptr);
        std::vector<std::string> paths;
        for (const MenuEntry& entry : menu->entries)
            paths.push_back(joinedPath(entry));
        EXPECT_EQ(paths, c.paths);
    }
}

TEST(CommandMapMenus, EntryTargets)
{
    struct Case {
        const char* menu;
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        // personal management: the card's tabs, and the exit
        {"개인관리", "신규등록 > 입관원서", "Screen TfPer0010"},
        {"개인관리", "신규등록 > 등록확인", "Screen TfPer0040"},
        {"개인관리", "신상명세서", "Screen TfPer0020 Tab 1"},
        {"개인관리", "뱃지지급", "Screen TfPer0020 Tab 9"},
        {"개인관리", "공지사항", "Screen TfPer0020 Tab 12"},
        {"개인관리", "개인자료일괄출력", "Screen TfPer0030"},
        {"개인관리", "종료", "CloseMainWindow"},
        // inquiries: page order differs from menu order after page 11
        {"종합관리", "명단/부별/입관일조회", "Screen TfTot0010 EveryTimeLoad 1 busy"},
        {"종합관리", "학교/학년/성별조회", "Screen TfTot0010 EveryTimeLoad 2"},
        {"종합관리", "심사신청서/접수증", "Screen TfTot0010 EveryTimeLoad 10"},
        {"종합관리", "생활기록내용조회", "Screen TfTot0010 EveryTimeLoad 11 busy"},
        {"종합관리", "심사결과평가내용조회", "Screen TfTot0010 EveryTimeLoad 14 busy"},
        {"종합관리", "코스별탑승현황조회", "Screen TfTot0010 EveryTimeLoad 12 busy"},
        {"종합관리", "집중도현황조회", "Screen TfTot0010 EveryTimeLoad 13 busy"},
        {"종합관리", "개인공지사항조회", "Screen TfTot0010 EveryTimeLoad 15 busy"},
        {"종합관리", "일일현황/업무일지작성", "Screen TfDaily"},
        {"종합관리", "입관상담내용입력/조회", "Screen TfCon0010 IfNew 1"},
        {"종합관리", "행사참가현황입력/조회", "Screen TfEve0010"},
        {"종합관리", "뱃지지급현황입력/조회 > 일괄/개인 지급", "Screen TfInp0020 EveryTimeLoadIfNew 1"},
        {"종합관리", "뱃지지급현황입력/조회 > 지급현황", "Screen TfInp0020 EveryTimeLoadIfNew 2"},
        {"종합관리", "뱃지지급현황입력/조회 > 주문현황", "Screen TfInp0020 EveryTimeLoadIfNew 3"},
        {"종합관리", "수료증발급현황조회", "Screen TfPri8020"},
        // statistics keep an open screen's page
        {"인원현황", "전체인원현황", "Screen TfMem0010 IfNew 1"},
        {"인원현황", "입관동기별현황", "Screen TfMem0010 IfNew 6"},
        {"일괄입력", "부/학년/반/수련비", "Screen TfInp0010"},
        {"일괄입력", "단증번호일괄입력", "Screen TfrmDanNoInput"},
        {"체력측정", "측정결과입력/조회", "Screen TfBod0010 IfNewLoad 1"},
        {"체력측정", "체력측정표인쇄", "Screen TfBod0010 IfNewLoad 3"},
        {"체력측정", "비만도측정", "Screen TfSimpleFat"},
        {"체력측정", "성인기초체력측정", "Screen TfAdultResult IfNew 1"},
        {"심사관리", "심사결과일괄입력", "Screen TfInp0011"},
        {"심사관리", "심사결과통지서일괄발부", "Screen TfPriSimsaTongji"},
        {"출석관리", "출석부출력/납부일자", "Screen TfPri0022"},
        {"출석관리", "일일결석자입력", "Screen TfAtt0010 EveryTimeLoad 1"},
        {"출석관리", "개근상대상자검색/발부", "Screen TfAtt0010 EveryTimeLoad 4"},
        {"수련비", "수련비납부등록", "Screen TfFee0010 EveryTimeLoad 1"},
        {"수련비", "연말정산/세무서제출", "Screen TfFee0010 EveryTimeLoad 6"},
        // the leave screen's mode word, five blanks between the syllables
        {"퇴관처리", "퇴관처리", "Screen TfRet0010 EveryTimeLoad 1 first=\"퇴     관\""},
        {"퇴관처리", "휴관처리", "Screen TfRet0010 EveryTimeLoad 2 first=\"휴     관\""},
        {"퇴관처리", "복관처리", "Screen TfRet0010 EveryTimeLoad 3 first=\"복     관\""},
        {"양식출력", "DM발송", "Screen TfDmPrint"},
        {"양식출력", "수료증발부", "Screen TfPri8010"},
        {"양식출력", "수련생명부", "Screen TfPri8030"},
        {"금전출납", "수입/지출등록", "Screen TfMon0010 EveryTimeLoad 1 gate"},
        {"금전출납", "입/출금내역조회", "Screen TfMon0010 EveryTimeLoad 5 gate"},
        {"환경설정", "사용자정의1", "Screen TfEnviron"},
        {"환경설정", "금전출납초기값설정", "Screen TfMoneyMaster noSuspend"},
        {"환경설정", "공휴일/공통행사등록", "Screen TfHoliday noSuspend"},
        {"환경설정", "부별행사등록", "Screen TfBuEvent"},
        {"환경설정", "주운동/세부운동등록", "Screen TfMainTrain"},
        {"기  타", "자료보관", "Action Backup"},
        {"기  타", "자료복구", "Action Restore"},
        {"기  타", "자료삭제", "Screen TfDel10"},
        {"기  타", "월마감작업", "Screen TfEndYesNo noSuspend"},
        {"기  타", "월마감취소", "Screen TfEndCancel noSuspend"},
        {"기  타", "인터넷통보자료 > 심사결과", "Screen TfPriSimsaTongji"},
        {"기  타", "인터넷통보자료 > 납부통지서", "Screen TfFee0010 EveryTimeLoad 3"},
        {"기  타", "인터넷통보자료 > 일일결석자", "Screen TfAtt0010 EveryTimeLoad 2"},
        {"기  타", "인터넷통보자료 > 납부확인", "Screen TfFee0010 EveryTimeLoad 4"},
        {"기  타", "인터넷통보자료 > SMS 전송", "Screen TfUploadCreate9"},
        {"기  타", "수련계획안작성", "Screen TfPlanPrint"},
    };
    for (const Case& c : cases) {
        const MenuEntry* entry = findEntry(c.menu, c.path);
        ASSERT_NE(entry, nullptr) << c.menu << " / " << c.path;
        EXPECT_EQ(describe(entry->target), c.expected) << c.menu << " / " << c.path;
    }
}

TEST(CommandMapMenus, InternetNoticeEntriesOpenLikeTheirDailyWorkEntries)
{
    const struct {
        const char* notice;
        const char* menu;
        const char* original;
    } cases[] = {
        {"인터넷통보자료 > 일일결석자", "출석관리", "일일결석자확인"},
        {"인터넷통보자료 > 납부확인", "수련비", "납부영수증발부"},
        {"인터넷통보자료 > 납부통지서", "수련비", "미납현황/납부통지서"},
        {"인터넷통보자료 > 심사결과", "심사관리", "심사결과통지서일괄발부"},
        {"인터넷통보자료 > 심사안내문", "심사관리", "심사안내문"},
        {"인터넷통보자료 > 체력측정", "체력측정", "측정결과평가일괄출력"},
    };
    for (const auto& c : cases) {
        const MenuEntry* notice = findEntry("기  타", c.notice);
        const MenuEntry* original = findEntry(c.menu, c.original);
        ASSERT_NE(notice, nullptr) << c.notice;
        ASSERT_NE(original, nullptr) << c.original;
        EXPECT_EQ(describe(notice->target), describe(original->target)) << c.notice;
    }
}

TEST(CommandMapMenus, EntryPathsAreTrimmedOneOrTwoLevelsAndUniqueInTheirMenu)
{
    for (const Menu& menu : menus()) {
        EXPECT_FALSE(menu.entries.isEmpty()) << text(menu.caption);
        std::set<std::string> seen;
        for (const MenuEntry& entry : menu.entries) {
            const std::string where = text(menu.caption) + " / " + joinedPath(entry);
            EXPECT_TRUE(entry.path.size() == 1 || entry.path.size() == 2) << where;
            for (const QString& caption : entry.path)
                EXPECT_TRUE(!caption.isEmpty() && caption == caption.trimmed()) << where;
            EXPECT_TRUE(seen.insert(joinedPath(entry)).second) << "twice: " << where;
        }
    }
}

// ---------------------------------------------------------------- toolbar

TEST(CommandMapToolbar, SevenButtonsLeftToRight)
{
    const struct {
        const char* caption;
        const char* expected;
    } cases[] = {
        {" 등 록 업 무", "Screen TfSM_input maximized"},
        {" 조 회 업 무", "Screen TfSM_query maximized"},
        {" 퇴 관 업 무", "Screen TfSM_ret maximized"},
        {" 양 식 출 력", "Screen TfSM_form maximized"},
        {" 심 사 업 무", "Screen TfSM_sim maximized"},
        {" 환 경 정 의", "Screen TfSM_env maximized"},
        {" 종       료", "CloseMainWindow"},
    };
    ASSERT_EQ(toolbar().size(), std::size(cases));
    for (qsizetype i = 0; i < toolbar().size(); ++i) {
        const Button& button = toolbar()[i];
        EXPECT_EQ(text(button.caption), cases[i].caption) << "button " << i;
        EXPECT_EQ(describe(button.target), cases[i].expected) << "button " << i;
    }
}

TEST(CommandMapToolbar, EachLauncherHasTheButtonCarryingItsTitle)
{
    // The toolbar caption is the launcher's title behind one blank; a launcher
    // missing here could never be opened.
    std::set<std::string> opened;
    for (const Button& button : toolbar()) {
        if (button.target.kind != TargetKind::Screen)
            continue;
        const Launcher* target = launcher(button.target.name);
        ASSERT_NE(target, nullptr) << text(button.caption);
        EXPECT_EQ(text(button.caption), " " + text(target->title));
        opened.insert(text(target->screen));
    }
    EXPECT_EQ(opened.size(), static_cast<size_t>(launchers().size()));
}

// ---------------------------------------------------------------- launchers

TEST(CommandMapLaunchers, ScreensTitlesAndButtonsInGridOrder)
{
    struct Case {
        const char* screen;
        const char* title;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"TfSM_input",
         "등 록 업 무",
         {"입관원서작성", "체력측정입력", "결석자입력", "수련비납부", "수입지출등록", "거래처관리",
          "상벌점일괄입력", "행사관리", "입관상담", "뺏지지급", "부/학년/수련비", "집중도", "단증번호",
          "심사채점", "생활기록", "심사결과", "심사결과평가", "개인공지사항", "건의사항", "종료"}},
        {"TfSM_query",
         "조 회 업 무",
         {"개인검색", "종합관리", "인원현황", "뺏지지급", "출석관리", "수련비납부", "금전출납", "입관상담",
          "일일현황", "행사관리", "수료증발급", "체력측정", "비만도", "성인기초체력", "종료"}},
        {"TfSM_ret", "퇴 관 업 무", {"퇴관처리", "휴관처리", "복관처리", "종료"}},
        {"TfSM_form",
         "양 식 출 력",
         {"급증 발부", "심사채점표", "심사안내문", "출석부", "체력측정표", "수련비납부", "DM발송",
          "관원증발부", "상장발부", "수료증발부", "체력측정결과", "참가증서", "개근상발부", "체력측정시상",
          "종 료"}},
        {"TfSM_sim",
         "심 사 업 무",
         {"일괄승급", "체점승급", "단보승급", "국기원", "심사접수증", "심사안내문", "심사신청서",
          "심사결과평가", "심사결과통지서", "종료"}},
        {"TfSM_env",
         "환 경 정 의",
         {"사용자정의 1", "사용자정의 2", "결석사유", "급별수련내용", "체육관정보", "문체부평균값",
          "심사항목설정", "휴/퇴관 사유", "탑승현황", "비만평가내용", "체력측정결과평가", "성인체력측정항목",
          "심사결과안내문", "성인체력등급표", "종료"}},
    };
    ASSERT_EQ(launchers().size(), std::size(cases));
    for (qsizetype i = 0; i < launchers().size(); ++i) {
        const Launcher& launcher = launchers()[i];
        const Case& c = cases[i];
        SCOPED_TRACE(c.screen);
        EXPECT_EQ(text(launcher.screen), c.screen);
        EXPECT_EQ(text(launcher.title), c.title);
        std::vector<std::string> captions;
        for (const Button& button : launcher.buttons)
            captions.push_back(text(button.caption));
        EXPECT_EQ(captions, c.captions);
    }
}

TEST(CommandMapLaunchers, ButtonTargets)
{
    struct Case {
        const char* launcher;
        const char* caption;
        const char* expected;
    };
    const Case cases[] = {
        {"TfSM_input", "입관원서작성", "Screen TfPer0010"},
        {"TfSM_input", "체력측정입력", "Screen TfBod0010"},
        {"TfSM_input", "결석자입력", "Screen TfAtt0010 EveryTimeNoLoad 1"},
        {"TfSM_input", "수련비납부", "Screen TfFee0010"},
        {"TfSM_input", "수입지출등록", "Screen TfMon0010 EveryTimeLoad 1 maximized"},
        {"TfSM_input", "거래처관리", "Screen TfMon0010 EveryTimeLoad 3 maximized"},
        {"TfSM_input", "상벌점일괄입력", "Screen TfBuljum"},
        {"TfSM_input", "입관상담", "Screen TfCon0010 IfNew 2"},
        {"TfSM_input", "뺏지지급", "Screen TfInp0020 EveryTimeLoadIfNew 1"},
        {"TfSM_input", "심사채점", "Screen TfInp0011"},
        {"TfSM_input", "심사결과", "Screen TfInp0011"},
        {"TfSM_input", "건의사항", "Screen TfRequire"},
        {"TfSM_input", "종료", "CloseLauncher"},
        {"TfSM_query", "개인검색", "Screen TfPer0020 Tab 1"},
        {"TfSM_query", "종합관리", "Screen TfTot0010 EveryTimeNoLoad 1"},
        {"TfSM_query", "인원현황", "Screen TfMem0010"},
        {"TfSM_query", "뺏지지급", "Screen TfInp0020"},
        {"TfSM_query", "출석관리", "Screen TfAtt0010"},
        {"TfSM_query", "금전출납", "Screen TfMon0010 EveryTimeLoad 1 maximized"},
        {"TfSM_query", "입관상담", "Screen TfCon0010 IfNew 1"},
        {"TfSM_query", "일일현황", "Screen TfDaily"},
        {"TfSM_query", "수료증발급", "Screen TfPri8010"},
        {"TfSM_query", "체력측정", "Screen TfBod0010 IfNewLoad 1"},
        {"TfSM_query", "비만도", "Screen TfSimpleFat"},
        {"TfSM_query", "성인기초체력", "Nothing"},
        // the launcher leaves the leave screen's page and captions alone
        {"TfSM_ret", "퇴관처리", "Screen TfRet0010"},
        {"TfSM_ret", "휴관처리", "Screen TfRet0010"},
        {"TfSM_ret", "복관처리", "Screen TfRet0010"},
        {"TfSM_ret", "종료", "CloseLauncher"},
        {"TfSM_form", "급증 발부", "Screen TfPri0070"},
        {"TfSM_form", "출석부", "Screen TfPri0020"},
        {"TfSM_form", "체력측정표", "Screen TfBod0010 EveryTimeNoLoad 3"},
        {"TfSM_form", "DM발송", "Screen TfDmPrint"},
        {"TfSM_form", "관원증발부", "Screen TfPri0040"},
        {"TfSM_form", "상장발부", "Screen TfPri0010"},
        {"TfSM_form", "수료증발부", "Screen TfPri8010"},
        {"TfSM_form", "참가증서", "Screen TfEve0010"},
        {"TfSM_form", "개근상발부", "Screen TfAtt0010"},
        {"TfSM_form", "체력측정시상", "Screen TfPri8040"},
        {"TfSM_form", "종 료", "CloseLauncher"},
        {"TfSM_sim", "일괄승급", "Screen TfInp0011"},
        {"TfSM_sim", "체점승급", "Screen TfInp0011"},
        {"TfSM_sim", "단보승급", "Screen TfInp0011"},
        {"TfSM_sim", "국기원", "Screen TfTot0010 EveryTimeLoad 10 busy"},
        {"TfSM_sim", "심사접수증", "Screen TfTot0010 EveryTimeLoad 10 busy"},
        {"TfSM_sim", "심사안내문", "Screen TfPri0050"},
        {"TfSM_sim", "심사결과통지서", "Screen TfPriSimsaTongji"},
        {"TfSM_env", "사용자정의 1", "Screen TfEnviron"},
        {"TfSM_env", "사용자정의 2", "Screen TfEnv0030"},
        {"TfSM_env", "휴/퇴관 사유", "Screen TfRReason"},
        {"TfSM_env", "성인체력등급표", "Screen TfAdultLevel"},
        {"TfSM_env", "종료", "CloseLauncher"},
    };
    for (const Case& c : cases) {
        const Launcher* found = launcher(QString::fromUtf8(c.launcher));
        ASSERT_NE(found, nullptr) << c.launcher;
        const Button* button = findButton(found->buttons, c.caption);
        ASSERT_NE(button, nullptr) << c.launcher << " / " << c.caption;
        EXPECT_EQ(describe(button->target), c.expected) << c.launcher << " / " << c.caption;
    }
}

TEST(CommandMapLaunchers, LookupFindsOnlyTheExactScreenName)
{
    for (const Launcher& each : launchers()) {
        const Launcher* found = launcher(each.screen);
        ASSERT_NE(found, nullptr) << text(each.screen);
        EXPECT_EQ(found, &each) << text(each.screen);
    }
    const char* misses[] = {"", "TfSM", "tfsm_input", "TfSM_input ", "TfMain", "TfPer0010"};
    for (const char* name : misses)
        EXPECT_EQ(launcher(QString::fromUtf8(name)), nullptr) << '"' << name << '"';
}

TEST(CommandMapLaunchers, CaptionsAreTrimmedAndUniqueAndOnlyTheLastButtonCloses)
{
    for (const Launcher& each : launchers()) {
        SCOPED_TRACE(text(each.screen));
        ASSERT_FALSE(each.buttons.isEmpty());
        EXPECT_EQ(each.buttons.last().target.kind, TargetKind::CloseLauncher);
        std::set<std::string> seen;
        for (qsizetype i = 0; i < each.buttons.size(); ++i) {
            const Button& button = each.buttons[i];
            EXPECT_TRUE(!button.caption.isEmpty() && button.caption == button.caption.trimmed())
                << text(button.caption);
            EXPECT_TRUE(seen.insert(text(button.caption)).second) << "twice: " << text(button.caption);
            if (i + 1 < each.buttons.size())
                EXPECT_NE(button.target.kind, TargetKind::CloseLauncher) << text(button.caption);
        }
    }
}

// ---------------------------------------------------------------- invariants

TEST(CommandMapInvariants, ScreenTargetsNameAScreenClass)
{
    for (const Place& place : everyTarget()) {
        if (place.target.kind != TargetKind::Screen)
            continue;
        EXPECT_FALSE(place.target.name.isEmpty()) << place.where;
        EXPECT_TRUE(place.target.name.startsWith(QStringLiteral("Tf"))) << place.where;
        EXPECT_EQ(place.target.name, place.target.name.trimmed()) << place.where;
    }
}

TEST(CommandMapInvariants, APageGoesWithAPageFormAndOnlyThen)
{
    for (const Place& place : everyTarget()) {
        const Target& target = place.target;
        if (target.form == PageForm::None) {
            EXPECT_EQ(target.page, 0) << place.where << ": " << describe(target);
        } else {
            EXPECT_EQ(target.kind, TargetKind::Screen) << place.where;
            EXPECT_GE(target.page, 1) << place.where << ": " << describe(target);
        }
        if (target.form == PageForm::Tab)
            EXPECT_EQ(text(target.name), "TfPer0020") << place.where;
    }
}

TEST(CommandMapInvariants, OnlyCashBookMenuEntriesPassTheGate)
{
    for (const Place& place : menuTargets()) {
        const bool cashMenu = place.where.rfind("menu 금전출납 / ", 0) == 0;
        EXPECT_EQ(place.target.cashGate, cashMenu) << place.where;
        if (cashMenu)
            EXPECT_EQ(text(place.target.name), "TfMon0010") << place.where;
    }
    for (const Place& place : launcherTargets())
        EXPECT_FALSE(place.target.cashGate) << place.where;
    for (const Button& button : toolbar())
        EXPECT_FALSE(button.target.cashGate) << text(button.caption);
}

TEST(CommandMapInvariants, ExtraStepsBelongToTheirOwnScreens)
{
    const std::set<std::string> unsuspended = {"TfMoneyMaster", "TfEndYesNo", "TfEndCancel", "TfHoliday"};
    std::set<std::string> seenUnsuspended;
    for (const Place& place : everyTarget()) {
        const Target& target = place.target;
        const std::string name = text(target.name);
        if (target.busyCursor)
            EXPECT_EQ(name, "TfTot0010") << place.where;
        if (!target.firstButtonCaption.isEmpty())
            EXPECT_EQ(name, "TfRet0010") << place.where;
        if (target.noSuspend) {
            EXPECT_EQ(unsuspended.count(name), 1u) << place.where;
            seenUnsuspended.insert(name);
        }
        if (target.kind != TargetKind::Screen)
            EXPECT_FALSE(target.busyCursor || target.cashGate || target.maximized || target.noSuspend ||
                         !target.firstButtonCaption.isEmpty())
                << place.where << ": " << describe(target);
    }
    EXPECT_EQ(seenUnsuspended, unsuspended);
}

TEST(CommandMapInvariants, EveryScreenALauncherOpensIsAlsoOnTheMenu)
{
    // The launchers are shortcuts to screens the menus already reach, so a
    // launcher-only class name is a misspelt one.
    std::set<std::string> menuScreens;
    for (const Place& place : menuTargets())
        if (place.target.kind == TargetKind::Screen)
            menuScreens.insert(text(place.target.name));
    for (const Place& place : launcherTargets())
        if (place.target.kind == TargetKind::Screen)
            EXPECT_EQ(menuScreens.count(text(place.target.name)), 1u) << place.where;
}

}
