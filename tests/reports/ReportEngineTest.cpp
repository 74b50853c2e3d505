#include "common/ProgramFolder.h"
#include "reports/ReportData.h"
#include "reports/ReportError.h"
#include "reports/ReportFiles.h"
#include "reports/ReportJob.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPainter.h"
#include "reports/ReportTemplate.h"
#include "support/TestData.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

ReportTemplate parse(const char* json)
{
    return ReportTemplate::parse(QByteArray(json), QStringLiteral("test.rpt"));
}

QList<QVariantHash> rows(std::initializer_list<QVariantHash> list)
{
    return QList<QVariantHash>(list);
}

QStringList allTexts(const ReportDocument& document)
{
    QStringList out;
    for (const ReportPage& page : document.pages)
        out += page.textsInReadingOrder();
    return out;
}

// A5-ish page: content 100 x 60 mm, header 10, footer 10, detail 10:
// four detail rows fit on a page.
const char* kPaged = R"J({
  "title": "시험",
  "page": { "size": "custom", "width": 120, "height": 80,
            "margins": { "top": 10, "bottom": 10, "left": 10, "right": 10 } },
  "pageHeader": { "height": 10, "elements": [ { "text": "머리글 {page}/{pages}", "at": [0, 0, 100, 10] } ] },
  "detail": { "height": 10, "elements": [ { "field": "이름", "at": [0, 0, 60, 10] },
                                          { "field": "금액", "mask": ",##0", "suffix": "원", "at": [60, 0, 40, 10], "align": "right" } ] },
  "summary": { "height": 10, "elements": [ { "expr": "SUM(금액)", "mask": ",##0", "prefix": "합계 ", "at": [0, 0, 100, 10] } ] },
  "pageFooter": { "height": 10, "elements": [ { "expr": "COUNT()", "prefix": "이 쪽 ", "at": [0, 0, 100, 10] } ] }
})J";

QList<QVariantHash> people(int count)
{
    QList<QVariantHash> list;
    for (int i = 1; i <= count; ++i)
        list << QVariantHash{{QStringLiteral("이름"), QStringLiteral("수련생%1").arg(i)}, {QStringLiteral("금액"), 1000 * i}};
    return list;
}

TEST(ReportLayout, PagesOverflowWithRepeatedHeadersAndPageCounts)
{
    const ReportDocument document = ReportLayout::lay(parse(kPaged), people(9), {});
    ASSERT_EQ(document.pages.size(), 3);   // 4 + 4 + 1 rows, the summary fits on the last
    EXPECT_EQ(document.pages[0].textsInReadingOrder(),
              (QStringList{"머리글 1/3", "수련생1", "1,000원", "수련생2", "2,000원", "수련생3", "3,000원", "수련생4",
                           "4,000원", "이 쪽 4"}));
    EXPECT_EQ(document.pages[2].textsInReadingOrder(),
              (QStringList{"머리글 3/3", "수련생9", "9,000원", "합계 45,000", "이 쪽 1"}));
    // The footer sits at the foot of the content area on every page.
    for (const ReportPage& page : document.pages)
        EXPECT_DOUBLE_EQ(page.items.last().rect.top(), 60.0);
}

TEST(ReportLayout, ASummaryThatDoesNotFitGoesOnANewPage)
{
    const ReportDocument document = ReportLayout::lay(parse(kPaged), people(4), {});
    ASSERT_EQ(document.pages.size(), 2);
    EXPECT_EQ(document.pages[1].textsInReadingOrder(), (QStringList{"머리글 2/2", "합계 10,000", "이 쪽 0"}));
}

TEST(ReportLayout, NoRowsStillGiveOnePageWithHeadersAndSummary)
{
    const ReportDocument document = ReportLayout::lay(parse(kPaged), {}, {});
    ASSERT_EQ(document.pages.size(), 1);
    EXPECT_EQ(document.pages[0].textsInReadingOrder(), (QStringList{"머리글 1/1", "합계 0", "이 쪽 0"}));
}

const char* kGrouped = R"J({
  "page": { "size": "A4" },
  "groups": [ { "field": "부", "newPage": true,
                "header": { "height": 8, "elements": [ { "text": "[{부}]", "at": [0, 0, 50, 8] } ] },
                "footer": { "height": 8, "elements": [ { "expr": "SUM(금액)", "prefix": "소계 ", "mask": ",##0", "at": [0, 0, 50, 8] },
                                                       { "expr": "COUNT(이름)", "suffix": "명", "at": [50, 0, 50, 8] } ] } } ],
  "detail": { "height": 8, "elements": [ { "field": "이름", "at": [0, 0, 50, 8] } ] },
  "summary": { "height": 8, "elements": [ { "expr": "IF(SUM(금액) > 5000, '많음', '적음')", "at": [0, 0, 50, 8] } ] }
})J";

TEST(ReportLayout, GroupsBreakWithFootersSumsAndNewPages)
{
    const QList<QVariantHash> data = rows({{{"부", "초등부"}, {"이름", "가"}, {"금액", 1000}},
                                           {{"부", "초등부"}, {"이름", "나"}, {"금액", 2000}},
                                           {{"부", "중등부"}, {"이름", "다"}, {"금액", 4000}}});
    const ReportDocument document = ReportLayout::lay(parse(kGrouped), data, {});
    ASSERT_EQ(document.pages.size(), 2);
    EXPECT_EQ(document.pages[0].textsInReadingOrder(), (QStringList{"[초등부]", "가", "나", "소계 3,000", "2명"}));
    EXPECT_EQ(document.pages[1].textsInReadingOrder(), (QStringList{"[중등부]", "다", "소계 4,000", "1명", "많음"}));
}

// Headers read the row they stand above; a group header counts its group
// before printing it; a running sum in the detail includes its own row.
TEST(ReportLayout, HeadersSeeTheirRowsAndGroupHeadersCountAhead)
{
    const ReportTemplate layout = parse(R"J({
      "page": { "size": "custom", "width": 100, "height": 60, "margins": { "top": 0, "bottom": 0, "left": 0, "right": 0 } },
      "pageHeader": { "height": 10, "elements": [ { "text": "쪽머리 {부}", "at": [0, 0, 100, 10] } ] },
      "groups": [ { "field": "부",
                    "header": { "height": 10, "elements": [ { "text": "{부}", "at": [0, 0, 50, 10] },
                                                            { "expr": "COUNT()", "suffix": "명", "at": [50, 0, 50, 10] } ] } } ],
      "detail": { "height": 10, "elements": [ { "field": "이름", "at": [0, 0, 50, 10] },
                                              { "expr": "SUM(금액)", "at": [50, 0, 50, 10] } ] }
    })J");
    const QList<QVariantHash> data = rows({{{"부", "갑"}, {"이름", "가"}, {"금액", 1}},
                                           {{"부", "갑"}, {"이름", "나"}, {"금액", 2}},
                                           {{"부", "을"}, {"이름", "다"}, {"금액", 4}},
                                           {{"부", "을"}, {"이름", "라"}, {"금액", 8}}});
    const ReportDocument document = ReportLayout::lay(layout, data, {});
    ASSERT_EQ(document.pages.size(), 2);
    EXPECT_EQ(document.pages[0].textsInReadingOrder(),
              (QStringList{"쪽머리 갑", "갑", "2명", "가", "1", "나", "3", "을", "2명", "다", "7"}));
    EXPECT_EQ(document.pages[1].textsInReadingOrder(), (QStringList{"쪽머리 을", "라", "8"}));
}

TEST(ReportLayout, AGroupHeaderMovesToTheNextPageWithItsFirstRow)
{
    // Room for five bands of 10 mm: 갑's header and three rows take four,
    // and 을's header would be the last band of the page with no row under it.
    const ReportTemplate layout = parse(R"J({
      "page": { "size": "custom", "width": 100, "height": 50, "margins": { "top": 0, "bottom": 0, "left": 0, "right": 0 } },
      "groups": [ { "field": "부", "header": { "height": 10, "elements": [ { "text": "[{부}]", "at": [0, 0, 100, 10] } ] } } ],
      "detail": { "height": 10, "elements": [ { "field": "이름", "at": [0, 0, 100, 10] } ] }
    })J");
    const QList<QVariantHash> data = rows({{{"부", "갑"}, {"이름", "가"}},
                                           {{"부", "갑"}, {"이름", "나"}},
                                           {{"부", "갑"}, {"이름", "다"}},
                                           {{"부", "을"}, {"이름", "라"}}});
    const ReportDocument document = ReportLayout::lay(layout, data, {});
    ASSERT_EQ(document.pages.size(), 2);
    EXPECT_EQ(document.pages[0].textsInReadingOrder(), (QStringList{"[갑]", "가", "나", "다"}));
    EXPECT_EQ(document.pages[1].textsInReadingOrder(), (QStringList{"[을]", "라"}));
}

TEST(ReportLayout, DetailRunsAcrossColumnsThenDown)
{
    const ReportTemplate layout = parse(R"J({
      "page": { "size": "custom", "width": 100, "height": 50, "margins": { "top": 0, "bottom": 0, "left": 5, "right": 5 } },
      "detail": { "height": 20, "columns": 3, "columnGap": 5, "elements": [ { "field": "이름", "at": [0, 0, 20, 20] } ] }
    })J");
    const ReportDocument document = ReportLayout::lay(layout, people(7), {});
    ASSERT_EQ(document.pages.size(), 2);   // two rows of three a page
    const QList<PageItem>& items = document.pages[0].items;
    ASSERT_EQ(items.size(), 6);
    const double width = (90 - 2 * 5) / 3.0;
    for (int i = 0; i < 6; ++i) {
        EXPECT_DOUBLE_EQ(items[i].rect.left(), 5 + (i % 3) * (width + 5)) << i;
        EXPECT_DOUBLE_EQ(items[i].rect.top(), (i / 3) * 20.0) << i;
    }
    EXPECT_EQ(document.pages[1].texts(), QStringList{"수련생7"});
}

TEST(ReportLayout, MasksImagesAndSuppressedFields)
{
    const ReportTemplate layout = parse(R"J({
      "detail": { "height": 30, "elements": [
        { "field": "키", "mask": "##0.0", "at": [0, 0, 20, 5] },
        { "field": "가입", "mask": "yyyy.mm.dd", "at": [20, 0, 30, 5] },
        { "field": "번호", "mask": "0000", "at": [50, 0, 20, 5] },
        { "field": "비고", "suppressIfEmpty": true, "prefix": "※ ", "at": [70, 0, 40, 5] },
        { "image": "images/{회원번호}.bmp", "at": [0, 5, 20, 25] },
        { "box": [0, 5, 20, 25] }, { "line": [0, 29, 100, 29] } ] }
    })J");
    const ReportDocument document = ReportLayout::lay(
        layout, rows({{{"키", 132.25}, {"가입", "2009-03-05"}, {"번호", 7}, {"비고", ""}, {"회원번호", "200903001"}}}), {});
    const QList<PageItem>& items = document.pages[0].items;
    EXPECT_EQ(document.pages[0].texts(), (QStringList{"132.3", "2009.03.05", "0007"}));
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[3].kind, PageItem::Kind::Image);
    EXPECT_EQ(items[3].text, QStringLiteral("images/200903001.bmp"));
    EXPECT_EQ(items[5].kind, PageItem::Kind::Line);
    EXPECT_EQ(items[5].rect.bottomRight(), QPointF(110, 39));   // band placed below the top margin
}

struct BrokenCase {
    const char* json;
    const char* mentions;
};

TEST(ReportTemplate, BrokenTemplatesNameTheFileAndTheFault)
{
    const BrokenCase cases[] = {
        {"{ \"detail\": ", "test.rpt"},
        {"[1, 2]", "{ }"},
        {R"J({ "detail": { "height": 5, "elements": [ { "at": [0, 0, 1, 1] } ] } })J", "detail 의 1번째 요소"},
        {R"J({ "detail": { "height": 5, "elements": [ { "text": "x", "at": [0, 0] } ] } })J", "[x, y, 너비, 높이]"},
        {R"J({ "page": { "size": "Letter" } })J", "Letter"},
        {R"J({ "detail": { "height": 5, "elements": [ { "text": "x", "at": [0, 0, 1, 1], "align": "middle" } ] } })J", "middle"},
        {R"J({ "groups": [ { "newPage": true } ] })J", "groups[1]"},
        {R"J({ "detail": { "height": 5, "elements": [ { "text": "x", "at": [0, 0, 1, 1], "bolt": true } ] } })J", "bolt"},
        {R"J({ "detail": { "height": 5, "elements": [ { "text": "x", "at": [0, 0, 1, 1], "size": "12" } ] } })J", "size"},
        {R"J({ "detail": { "height": "5" } })J", "height"},
        {R"J({ "pageHeader": { "height": 5, "columns": 2 } })J", "columns"},
        {R"J({ "data": { "lookups": { "도장명": 3 } } })J", "도장명"},
    };
    for (const auto& c : cases) {
        try {
            parse(c.json);
            ADD_FAILURE() << "accepted: " << c.json;
        } catch (const ReportError& error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("test.rpt"))) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.mentions))) << error.message().toStdString();
        }
    }
    const ReportTemplate badExpression = parse(R"J({ "detail": { "height": 5, "elements": [ { "expr": "SUM(금액", "at": [0, 0, 9, 5] } ] } })J");
    EXPECT_THROW(ReportLayout::lay(badExpression, people(1), {}), ReportError);
}

class ReportJobTest : public ::testing::Test {
protected:
    void writeTemplate(const QString& relative, const QByteArray& json)
    {
        const QString path = data.folder() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
    }
    TestData data;
};

TEST_F(ReportJobTest, TemplatesAreFoundWithoutRegardToCase)
{
    writeTemplate(QStringLiteral("report/mon02_i.rpt"), R"J({ "detail": { "height": 5, "elements": [ { "field": "f01", "at": [0, 0, 50, 5] } ] } })J");
    data.exec(QStringLiteral("INSERT INTO Print (seqno, F01) VALUES (2, '둘'), (1, '하나')"));
    data.exec(QStringLiteral("INSERT INTO Print (seqno, G01, f01) VALUES (100000, '999', '끝')"));
    for (const char* name : {"mon02_i.rpt", "REPORT\\mon02_i.Rpt", "report/MON02_I.RPT"}) {
        const ReportDocument document = ReportJob::build(
            data.session(), {QString::fromUtf8(name), QStringLiteral("제목"), ReportJob::connectionString(), 0, {}});
        EXPECT_EQ(document.title, QStringLiteral("제목"));
        EXPECT_EQ(allTexts(document), (QStringList{"하나", "둘"})) << name;   // by seqno, end row left out
    }
}

TEST_F(ReportJobTest, MissingTemplatesAndUnknownConnectionsAreClearErrors)
{
    try {
        ReportJob::build(data.session(), {QStringLiteral("없는양식.rpt"), {}, {}, 0, {}});
        FAIL();
    } catch (const ReportError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("없는양식.rpt"))) << error.message().toStdString();
    }
    writeTemplate(QStringLiteral("report/a.rpt"), "{}");
    EXPECT_THROW(ReportJob::build(data.session(), {QStringLiteral("a.rpt"), {}, QStringLiteral("dsn=Other"), 0, {}}), ReportError);
    EXPECT_NO_THROW(ReportJob::build(data.session(), {QStringLiteral("a.rpt"), {}, QStringLiteral("DSN=quenmar2000"), 0, {}}));
}

TEST_F(ReportJobTest, TemplatesMayReadEndRowsAndTheirOwnStatements)
{
    data.exec(QStringLiteral("INSERT INTO Print (seqno, f01) VALUES (1, '본문'), (100000, '끝')"));
    writeTemplate(QStringLiteral("report/ends.rpt"),
                  R"J({ "data": { "includeEndRows": true }, "detail": { "height": 5, "elements": [ { "field": "f01", "at": [0, 0, 50, 5] } ] } })J");
    EXPECT_EQ(allTexts(ReportJob::build(data.session(), {QStringLiteral("ends.rpt"), {}, {}, 0, {}})), (QStringList{"본문", "끝"}));

    writeTemplate(QStringLiteral("report/years.rpt"), R"J({
      "data": { "sql": "SELECT 학년 FROM T_학년코드 WHERE 학년코드 <= :upto ORDER BY 학년코드",
                "lookups": { "도장명": "SELECT 도장명 FROM T_도장정보" } },
      "pageHeader": { "height": 5, "elements": [ { "text": "{도장명}", "at": [0, 0, 50, 5] } ] },
      "detail": { "height": 5, "elements": [ { "field": "학년", "at": [0, 0, 50, 5] } ] } })J");
    data.exec(QStringLiteral("UPDATE T_도장정보 SET 도장명 = '청룡도장'"));
    ReportRequest request{QStringLiteral("years.rpt"), {}, {}, 0, {{QStringLiteral("upto"), 2}}};
    EXPECT_EQ(allTexts(ReportJob::build(data.session(), request)), (QStringList{"청룡도장", "유치 4", "유치 5"}));
}

TEST_F(ReportJobTest, DailySettlementSheetShowsTheDaysLinesAndTotals)
{
    data.exec(QStringLiteral("UPDATE T_도장정보 SET 도장명 = '청룡태권도장'"));
    data.exec(QStringLiteral("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요) VALUES "
                             "('2009-03-05', 1, '수련비', '홍길동', 120000, 0, '현금'), "
                             "('2009-03-05', 2, '소모품', '도복', 0, 45000, NULL), "
                             "('2009-03-06', 1, '수련비', '다른날', 999, 0, '')"));
    const ReportDocument document = ReportJob::build(
        data.session(), {QStringLiteral("TfPri1020"), {}, {}, 0, {{QStringLiteral("일자"), QStringLiteral("2009-03-05")}}});
    ASSERT_EQ(document.pages.size(), 1);
    EXPECT_EQ(document.title, QStringLiteral("일일 정산표"));
    EXPECT_EQ(document.pages[0].textsInReadingOrder(),
              (QStringList{"일일 정산표", "No. 1", "일자 : 2009-03-05", "순번", "주  항  목", "소  항  목", "입 금 액",
                           "출 금 액", "적        요", "1", "수련비", "홍길동", "120,000", "0", "현금", "2", "소모품", "도복",
                           "0", "45,000", "", "합          산 :", "120,000원", "45,000원", "총          계 :", "75,000원",
                           "청룡태권도장"}));
}

TEST_F(ReportJobTest, PdfIsWrittenPageByPage)
{
    const QString pdf = data.folder() + QStringLiteral("/out.pdf");
    const ReportDocument document = ReportLayout::lay(parse(kPaged), people(9), {});
    ASSERT_TRUE(ReportPainter::writePdf(document, pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page ") +
                  bytes.count("/Type /Page>"),
              3);
    EXPECT_FALSE(ReportPainter::writePdf(document, data.folder() + QStringLiteral("/no/such/folder/x.pdf")));
}

}
