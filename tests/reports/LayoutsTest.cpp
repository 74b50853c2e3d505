// The print templates delivered in the repository's report/ folder, rendered
// over Print rows filled the way their screens fill them. A template is only
// data, so a wrong margin or a missing field shows up only here: labels that
// drift off the sheet, a sheet that spills onto a second page, an attendance
// book that loses its grid on blank lines.
#include "reports/PageModel.h"
#include "reports/ReportData.h"
#include "reports/ReportLayout.h"
#include "reports/ReportTemplate.h"
#include "support/TestData.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kEps = 1e-6;

ReportTemplate deliveredTemplate(const char* name)
{
    return ReportTemplate::load(QString::fromUtf8(QUENMAR_SOURCE_DIR "/report/") + QString::fromUtf8(name));
}

bool contains(const QRectF& outer, const QRectF& inner)
{
    return inner.left() >= outer.left() - kEps && inner.right() <= outer.right() + kEps
           && inner.top() >= outer.top() - kEps && inner.bottom() <= outer.bottom() + kEps;
}

// Spacing inside captions ("출   석   부", "이  름") is cosmetic; the words
// are what a test should hold on to.
QStringList squeezed(const QStringList& texts)
{
    QStringList out;
    for (QString text : texts)
        out << text.remove(QRegularExpression(QStringLiteral("\\s")));
    return out;
}

QList<PageItem> itemsOfKind(const ReportPage& page, PageItem::Kind kind)
{
    QList<PageItem> out;
    for (const PageItem& item : page.items)
        if (item.kind == kind)
            out << item;
    return out;
}

// Every item, text or rule, stays inside the printable area: nothing may
// be lost to the printer's unprintable edge or to the label sheet's rim.
void expectInsideContent(const ReportDocument& document, const ReportTemplate& layout)
{
    const QRectF content = layout.contentRect();
    for (int p = 0; p < document.pages.size(); ++p)
        for (const PageItem& item : document.pages[p].items)
            EXPECT_TRUE(contains(content, item.rect.normalized()))
                << "page " << p + 1 << ": '" << item.text.toStdString() << "' at " << item.rect.left() << ","
                << item.rect.top() << " " << item.rect.width() << "x" << item.rect.height();
}

class DeliveredLayouts : public ::testing::Test {
protected:
    ReportDocument render(const ReportTemplate& layout)
    {
        const ReportRows rows = ReportData::fetch(data.session(), layout);
        return ReportLayout::lay(layout, rows.rows, rows.extra);
    }

    TestData data;
};

// ---------------------------------------------------------------- labels

struct Label {
    QString address, father, trainee, postal;
};

Label labelNo(int n)
{
    return {QStringLiteral("서울특별시 송파구 가락로 %1 한울아파트 101동 %2호").arg(n).arg(1200 + n),
            QStringLiteral("보호자%1").arg(n), QStringLiteral("수련생%1").arg(n),
            QStringLiteral("%1").arg(5700 + n, 5, 10, QLatin1Char('0'))};
}

QString nameLine(const Label& label)
{
    return label.father + QStringLiteral(" (") + label.trainee + QStringLiteral(") 귀하");
}

QString sqlText(const QString& value)
{
    return QLatin1Char('\'') + QString(value).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

class AddressLabels : public DeliveredLayouts {
protected:
    static constexpr double kTop = 10.5;       // the sheet's top margin
    static constexpr double kRow = 23;         // one row of labels
    static constexpr double kLeftLabel = 5;    // the left label's left edge on the page
    static constexpr double kRightLabel = 107;
    static constexpr double kLabelWidth = 98;

    // One Print row carries two labels, the way the label screen writes
    // them: sheet number in seqno, the row within the sheet in f01. A
    // missing right label is written as empty texts.
    void addRow(int sheet, int row, const Label& left, const Label& right)
    {
        data.exec(QStringLiteral("INSERT INTO Print (seqno, f01, 가정통신1, f03, f04, f05, 가정통신2, 구분3, 구분4, 구분5) "
                                 "VALUES (%1, '%2', %3, %4, %5, %6, %7, %8, %9, %10)")
                      .arg(sheet)
                      .arg(row, 3, 10, QLatin1Char('0'))
                      .arg(sqlText(left.address), sqlText(left.father),
                           sqlText(left.trainee.isEmpty() ? QString() : QStringLiteral(" (%1) 귀하").arg(left.trainee)),
                           sqlText(left.postal), sqlText(right.address), sqlText(right.father),
                           sqlText(right.trainee.isEmpty() ? QString() : QStringLiteral(" (%1) 귀하").arg(right.trainee)),
                           sqlText(right.postal)));
    }

    // Sheets of the given label counts, numbered on across sheets. The rows
    // go in last first, so the template itself must put them in order.
    void addSheets(const QList<int>& labelsPerSheet)
    {
        struct Pending {
            int sheet, row;
            Label left, right;
        };
        QList<Pending> pending;
        int n = 0;
        for (int s = 0; s < labelsPerSheet.size(); ++s)
            for (int i = 0; i < labelsPerSheet[s]; i += 2) {
                const Label left = labelNo(++n);
                const Label right = i + 1 < labelsPerSheet[s] ? labelNo(++n) : Label{};
                pending << Pending{s + 1, i / 2 + 1, left, right};
            }
        for (auto it = pending.crbegin(); it != pending.crend(); ++it)
            addRow(it->sheet, it->row, it->left, it->right);
    }

    // The screen's end row, with texts in the label fields so that printing
    // it by mistake would show.
    void addEndRow()
    {
        data.exec(QStringLiteral("INSERT INTO Print (seqno, G01, f01, 가정통신1, f04, f05) "
                                 "VALUES (100000, '999', '001', '끝줄', ' (끝줄) 귀하', '99999')"));
    }

    static QRectF labelCell(int row, int side)
    {
        return {side == 0 ? kLeftLabel : kRightLabel, kTop + kRow * row, kLabelWidth, kRow};
    }

    // The texts of each label cell on a page, top to bottom; cell index is
    // row * 2 + side. Each text must lie wholly inside one cell.
    static QList<QStringList> cellTexts(const ReportPage& page)
    {
        QList<QStringList> cells(24);
        for (const PageItem& item : itemsOfKind(page, PageItem::Kind::Text)) {
            const int row = int(std::floor((item.rect.top() - kTop) / kRow));
            const int side = item.rect.left() < kRightLabel - kEps ? 0 : 1;
            EXPECT_TRUE(row >= 0 && row < 12 && contains(labelCell(row, side), item.rect))
                << "'" << item.text.toStdString() << "' leaves its label at " << item.rect.left() << ","
                << item.rect.top();
            if (row >= 0 && row < 12)
                cells[row * 2 + side] << item.text;
        }
        return cells;
    }
};

TEST_F(AddressLabels, TwelveRowsFillTheSheetExactlyWithoutHeadersOrFooters)
{
    const ReportTemplate layout = deliveredTemplate("dm.rpt");
    EXPECT_EQ(layout.pageSize, QSizeF(210, 297));
    EXPECT_EQ(layout.columns, 1);   // each Print row already holds both labels
    EXPECT_DOUBLE_EQ(layout.detail.height, kRow);
    EXPECT_DOUBLE_EQ(layout.contentRect().top(), kTop);
    EXPECT_DOUBLE_EQ(layout.contentRect().height(), 12 * kRow);
    EXPECT_DOUBLE_EQ(layout.contentRect().left(), kLeftLabel);
    EXPECT_DOUBLE_EQ(layout.contentRect().right(), kRightLabel + kLabelWidth);
    for (const ReportBand* band : {&layout.titleBand, &layout.pageHeader, &layout.columnHeader, &layout.summary,
                                   &layout.pageFooter})
        EXPECT_TRUE(band->isEmpty());
}

struct SheetCase {
    const char* what;
    QList<int> labelsPerSheet;
};

TEST_F(AddressLabels, EverySheetIsOnePageWithItsLabelsInTheirCells)
{
    const SheetCase cases[] = {
        {"one label", {1}},
        {"a full sheet", {24}},
        {"a label more than a sheet", {24, 1}},
        {"two full sheets", {24, 24}},
        {"an odd count on the second sheet", {24, 23}},
        {"three sheets", {24, 24, 1}},
        {"short sheets still start a page each", {6, 4}},
    };
    const ReportTemplate layout = deliveredTemplate("dm.rpt");
    for (const SheetCase& c : cases) {
        SCOPED_TRACE(c.what);
        data.exec(QStringLiteral("DELETE FROM Print"));
        addSheets(c.labelsPerSheet);
        addEndRow();
        const ReportDocument document = render(layout);
        ASSERT_EQ(document.pages.size(), c.labelsPerSheet.size());
        expectInsideContent(document, layout);
        int n = 0;
        for (int p = 0; p < document.pages.size(); ++p) {
            const QList<QStringList> cells = cellTexts(document.pages[p]);
            for (int cell = 0; cell < 24; ++cell) {
                if (cell >= c.labelsPerSheet[p]) {
                    EXPECT_TRUE(cells[cell].isEmpty()) << "page " << p + 1 << " cell " << cell;
                    continue;
                }
                const Label label = labelNo(++n);
                EXPECT_EQ(cells[cell], (QStringList{QStringLiteral("우) ") + label.postal, label.address, nameLine(label)}))
                    << "page " << p + 1 << " cell " << cell;
            }
        }
    }
}

TEST_F(AddressLabels, PartsALabelLacksAreLeftOutAndTheNameLineStillReads)
{
    const Label noFather{QStringLiteral("서울 송파구 오금동 23-4"), QString(), QStringLiteral("최하은"), QStringLiteral("05627")};
    const Label noPostalCode{QStringLiteral("서울 강동구 천호대로 1017"), QStringLiteral("정대현"), QStringLiteral("정우진"), QString()};
    addRow(1, 1, noFather, noPostalCode);
    addRow(1, 2, labelNo(3), Label{});
    const ReportDocument document = render(deliveredTemplate("dm.rpt"));
    ASSERT_EQ(document.pages.size(), 1);
    const QList<QStringList> cells = cellTexts(document.pages[0]);
    // Without a father's name the line is the trainee's alone; the name line
    // is right-aligned, so the leading blank of " (…) 귀하" does not show.
    ASSERT_EQ(cells[0].size(), 3);
    EXPECT_EQ(cells[0][2].trimmed(), QStringLiteral("(최하은) 귀하"));
    EXPECT_EQ(cells[1], (QStringList{noPostalCode.address, QStringLiteral("정대현 (정우진) 귀하")}));
    EXPECT_EQ(cells[2].size(), 3);
    EXPECT_TRUE(cells[3].isEmpty());   // a right label with no data prints nothing at all
    for (const PageItem& item : itemsOfKind(document.pages[0], PageItem::Kind::Text))
        if (item.text.endsWith(QStringLiteral("귀하"))) {
            EXPECT_TRUE(item.align & Qt::AlignRight);
            EXPECT_TRUE(item.bold);
        }
    EXPECT_TRUE(itemsOfKind(document.pages[0], PageItem::Kind::Line).isEmpty());   // labels come pre-cut
    EXPECT_TRUE(itemsOfKind(document.pages[0], PageItem::Kind::Box).isEmpty());
}

TEST_F(AddressLabels, LongAddressesWrapInsideTheLabelAboveTheNameLine)
{
    Label label = labelNo(1);
    label.address = QStringLiteral("경기도 성남시 분당구 정자일로 156번길 12 느티마을 3단지 공무원아파트 305동 702호");
    addRow(1, 1, label, labelNo(2));
    const ReportDocument document = render(deliveredTemplate("dm.rpt"));
    const QList<PageItem> texts = itemsOfKind(document.pages[0], PageItem::Kind::Text);
    const auto find = [&](const QString& text) {
        for (const PageItem& item : texts)
            if (item.text == text)
                return item;
        ADD_FAILURE() << "missing '" << text.toStdString() << "'";
        return PageItem{};
    };
    const PageItem postal = find(QStringLiteral("우) ") + label.postal);
    const PageItem address = find(label.address);
    const PageItem name = find(nameLine(label));
    EXPECT_TRUE(address.wrap);
    EXPECT_LE(postal.rect.bottom(), address.rect.top() + kEps);
    EXPECT_LE(address.rect.bottom(), name.rect.top() + kEps);
    EXPECT_GT(name.fontSize, address.fontSize);
}

// ------------------------------------------------------- attendance book

class AttendanceBook : public DeliveredLayouts {
protected:
    static constexpr double kLeft = 10;
    static constexpr double kBodyTop = 12 + 18 + 14;   // margin, page header, column header
    static constexpr double kLine = 7;
    static constexpr double kWidth = 277;
    static constexpr double kDays = 100;               // first day column, from the left margin
    static constexpr double kDay = 5;

    // The attendance screen's rows: members first, then blank lines carrying
    // only the caption, up to whole pages.
    void addLines(int members, int lines, const QString& caption)
    {
        QStringList values;
        for (int i = 1; i <= lines; ++i) {
            if (i <= members)
                values << QStringLiteral("(%1, '수련생%1', '2009-03-%2', %3, '노란띠', '010-1234-%4', '%5')")
                              .arg(i)
                              .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                              .arg(sqlText(caption))
                              .arg(i, 4, 10, QLatin1Char('0'))
                              .arg(i % 5 == 0 ? QStringLiteral("휴관") : QStringLiteral("%1일").arg(i % 28 + 1));
            else
                values << QStringLiteral("(%1, NULL, NULL, %2, NULL, NULL, NULL)").arg(i).arg(sqlText(caption));
        }
        data.exec(QStringLiteral("INSERT INTO Print (seqno, 회원명, 입관일자, 구분1, 구분2, 구분3, 구분4) VALUES ")
                  + values.join(QStringLiteral(", ")));
    }

    // Written first, so a caption read without regard to seqno would be its.
    void addEndRow()
    {
        data.exec(QStringLiteral("INSERT INTO Print (seqno, G01, 회원명, 구분1) VALUES (100000, '999', '끝줄', '끝줄')"));
    }

    static QStringList memberLine(int n)
    {
        return {QString::number(n), QStringLiteral("수련생%1").arg(n), QStringLiteral("노란띠"),
                QStringLiteral("2009-03-%1").arg(n % 28 + 1, 2, 10, QLatin1Char('0')),
                QStringLiteral("010-1234-%1").arg(n, 4, 10, QLatin1Char('0')),
                n % 5 == 0 ? QStringLiteral("휴관") : QStringLiteral("%1일").arg(n % 28 + 1)};
    }

    // The texts of the page's body lines, top to bottom, one list a line.
    static QList<QStringList> bodyLines(const ReportPage& page)
    {
        QList<QStringList> lines(22);
        QList<PageItem> texts;
        for (const PageItem& item : itemsOfKind(page, PageItem::Kind::Text))
            if (item.rect.top() >= kBodyTop - kEps)
                texts << item;
        std::stable_sort(texts.begin(), texts.end(),
                         [](const PageItem& a, const PageItem& b) { return a.rect.left() < b.rect.left(); });
        for (const PageItem& item : texts) {
            const int line = int(std::floor((item.rect.top() - kBodyTop) / kLine + kEps));
            EXPECT_TRUE(line >= 0 && line < 22) << item.text.toStdString();
            EXPECT_LE(item.rect.bottom(), kBodyTop + kLine * (line + 1) + kEps) << item.text.toStdString();
            if (line >= 0 && line < 22)
                lines[line] << item.text;
        }
        return lines;
    }

    // The x of every column rule: 번호 이름 급 입관일 전화 납부일, the 31
    // day boxes, 비고, on the page.
    static QSet<int> columnRules()
    {
        QSet<int> xs;
        for (double x : {0.0, 9.0, 30.0, 45.0, 64.0, 88.0, 255.0, kWidth})
            xs << qRound((kLeft + x) * 10);
        for (int day = 0; day <= 31; ++day)
            xs << qRound((kLeft + kDays + kDay * day) * 10);
        return xs;
    }
};

TEST_F(AttendanceBook, TwentyTwoLinesFillALandscapePageExactly)
{
    const ReportTemplate layout = deliveredTemplate("chulsuk1.rpt");
    EXPECT_EQ(layout.title, QStringLiteral("출석부(가로)"));
    EXPECT_EQ(layout.pageSize, QSizeF(297, 210));
    EXPECT_DOUBLE_EQ(layout.detail.height, kLine);
    EXPECT_DOUBLE_EQ(layout.contentRect().width(), kWidth);
    EXPECT_DOUBLE_EQ(layout.contentRect().top() + layout.pageHeader.height + layout.columnHeader.height, kBodyTop);
    EXPECT_DOUBLE_EQ(layout.contentRect().bottom() - layout.pageFooter.height, kBodyTop + 22 * kLine);
}

struct BookCase {
    int members;
    int lines;   // whole pages of lines, as the screen pads them; 45 tests a line past them
    const char* caption;
    int pages;
};

TEST_F(AttendanceBook, PagesCarryTheHeadingsTheCaptionAndTwentyTwoLinesEach)
{
    const BookCase cases[] = {
        {3, 22, "  초등1부", 1},
        {22, 22, "전  체", 1},
        {30, 44, "  초등2학년", 2},
        {44, 44, "  성인부", 2},
        {45, 45, "  유치부", 3},
    };
    const ReportTemplate layout = deliveredTemplate("chulsuk1.rpt");
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    for (const BookCase& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 members on %2 lines").arg(c.members).arg(c.lines).toStdString());
        data.exec(QStringLiteral("DELETE FROM Print"));
        addEndRow();
        addLines(c.members, c.lines, QString::fromUtf8(c.caption));
        const ReportDocument document = render(layout);
        ASSERT_EQ(document.pages.size(), c.pages);
        expectInsideContent(document, layout);
        for (int p = 0; p < c.pages; ++p) {
            const ReportPage& page = document.pages[p];
            const QStringList reading = page.textsInReadingOrder();
            const QStringList heading = QStringList{QStringLiteral("출   석   부"), QString::fromUtf8(c.caption),
                                                    QStringLiteral("년 월"),
                                                    QStringLiteral("%1/%2").arg(p + 1).arg(c.pages)}
                                        + QStringList{QStringLiteral("번호"), QStringLiteral("이름"), QStringLiteral("급"),
                                                      QStringLiteral("입관일"), QStringLiteral("전화번호"),
                                                      QStringLiteral("납부일(휴관)"), QStringLiteral("출석일"),
                                                      QStringLiteral("비고")}
                                        + days;
            ASSERT_GE(reading.size(), heading.size());
            EXPECT_EQ(squeezed(reading.mid(0, heading.size())), squeezed(heading)) << "page " << p + 1;
            EXPECT_EQ(reading[1], QString::fromUtf8(c.caption)) << "the caption keeps the screen's own spacing";

            // The k-th line of page p holds Print row 22p + k + 1: members show their
            // data, blank lines nothing.
            const QList<QStringList> lines = bodyLines(page);
            for (int k = 0; k < 22; ++k) {
                const int n = 22 * p + k + 1;
                const QStringList expected = n <= c.members ? memberLine(n) : QStringList();
                EXPECT_EQ(lines[k], expected) << "page " << p + 1 << " line " << k + 1;
            }
        }
    }
}

TEST_F(AttendanceBook, DayNumbersHeadTheirOwnBoxes)
{
    addLines(1, 22, QStringLiteral("전  체"));
    const ReportDocument document = render(deliveredTemplate("chulsuk1.rpt"));
    const QList<PageItem> texts = itemsOfKind(document.pages[0], PageItem::Kind::Text);
    for (int day = 1; day <= 31; ++day) {
        int found = 0;
        for (const PageItem& item : texts)
            if (item.text == QString::number(day) && item.rect.bottom() <= kBodyTop + kEps) {
                ++found;
                EXPECT_DOUBLE_EQ(item.rect.left(), kLeft + kDays + kDay * (day - 1)) << day;
                EXPECT_DOUBLE_EQ(item.rect.width(), kDay) << day;
                EXPECT_TRUE(item.align & Qt::AlignHCenter) << day;
            }
        EXPECT_EQ(found, 1) << day;
    }
}

TEST_F(AttendanceBook, BlankLinesDrawTheSameGridAsMemberLines)
{
    addLines(5, 44, QStringLiteral("  초등1부"));
    const ReportDocument document = render(deliveredTemplate("chulsuk1.rpt"));
    ASSERT_EQ(document.pages.size(), 2);
    const QSet<int> rules = columnRules();
    for (int p = 0; p < 2; ++p) {
        const QList<PageItem> lines = itemsOfKind(document.pages[p], PageItem::Kind::Line);
        for (int k = 0; k < 22; ++k) {
            SCOPED_TRACE(QStringLiteral("page %1 line %2").arg(p + 1).arg(k + 1).toStdString());
            const double top = kBodyTop + kLine * k;
            QSet<int> verticals;
            bool closed = false;
            for (const PageItem& line : lines) {
                const QRectF r = line.rect.normalized();
                if (r.width() < kEps && std::abs(r.top() - top) < kEps && std::abs(r.bottom() - top - kLine) < kEps)
                    verticals << qRound(r.left() * 10);
                if (r.height() < kEps && std::abs(r.top() - top - kLine) < kEps && std::abs(r.left() - kLeft) < kEps
                    && std::abs(r.right() - kLeft - kWidth) < kEps)
                    closed = true;
            }
            EXPECT_EQ(verticals, rules);
            EXPECT_TRUE(closed) << "no rule under the line";
        }
    }
}

TEST_F(AttendanceBook, TheEndRowIsNeitherALineNorTheCaption)
{
    addEndRow();
    addLines(22, 22, QStringLiteral("  초등1부"));
    const ReportDocument document = render(deliveredTemplate("chulsuk1.rpt"));
    ASSERT_EQ(document.pages.size(), 1);
    EXPECT_FALSE(document.pages[0].texts().contains(QStringLiteral("끝줄")));
    EXPECT_TRUE(document.pages[0].texts().contains(QStringLiteral("  초등1부")));
}

}
