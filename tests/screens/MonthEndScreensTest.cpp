#include "datastore/Query.h"
#include "shell/ui/ScreenOpener.h"
#include "shell/ui/TfMain.h"
#include "support/MainWindowTest.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>


namespace {

class MonthEndScreensTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(QDate(2009, 6, 10));
    }
    QAction* menuEntry(const QString& menu, const QString& entry) { return MainWindowTest::menuEntry({menu, entry}); }
    QWidget* screen(const QString& name) { return main->opener().instance(name); }
    void click(QWidget* owner, const QString& button)
    {
        QPushButton* target = owner->findChild<QPushButton*>(button);
        ASSERT_NE(target, nullptr) << button.toStdString();
        ASSERT_TRUE(target->isEnabled()) << button.toStdString();
        QTest::mouseClick(target, Qt::LeftButton);
    }
};

TEST_F(MonthEndScreensTest, GateLeadsThroughSetUpAndClosingFromTheMenu)
{
    QAction* cashBook = menuEntry(QStringLiteral("금전출납"), QStringLiteral("수입/지출등록"));
    ASSERT_NE(cashBook, nullptr);
    ASSERT_TRUE(cashBook->isEnabled());
    cashBook->trigger();
    ASSERT_EQ(texts(), QStringList{QStringLiteral("금전출납 초기값설정을 먼저하세요")});
    EXPECT_EQ(shown.first().caption, main->windowTitle());
    EXPECT_EQ(shown.first().icon, QMessageBox::Critical);

    QWidget* setUp = screen(QStringLiteral("TfMoneyMaster"));
    ASSERT_NE(setUp, nullptr);
    EXPECT_EQ(setUp->windowTitle(), QStringLiteral("금전출납초기값 설정"));
    auto* start = setUp->findChild<QLineEdit*>(QStringLiteral("edtStartMonth"));
    EXPECT_FALSE(start->isEnabled());
    click(setUp, QStringLiteral("btnEdit"));
    QTest::keyClicks(start, QStringLiteral("200903"));
    QTest::keyClicks(setUp->findChild<QLineEdit*>(QStringLiteral("edtIncome")), QStringLiteral("1000000"));
    click(setUp, QStringLiteral("btnOk"));
    EXPECT_EQ(texts().size(), 2);
    EXPECT_EQ(texts().last(), QStringLiteral("출금 누계를 입력하세요."));
    QTest::keyClicks(setUp->findChild<QLineEdit*>(QStringLiteral("edtExpense")), QStringLiteral("0"));
    click(setUp, QStringLiteral("btnOk"));
    EXPECT_EQ(main->LastClosedMonth(), QStringLiteral("200903"));
    EXPECT_FALSE(setUp->findChild<QPushButton*>(QStringLiteral("btnEdit"))->isEnabled());   // two rows now

    shown.clear();
    cashBook->trigger();
    ASSERT_EQ(texts(), QStringList{QStringLiteral("2009-04 마감작업을 먼저하세요.")});
    QWidget* closing = screen(QStringLiteral("TfEndYesNo"));
    ASSERT_NE(closing, nullptr);
    EXPECT_EQ(closing->windowTitle(), QStringLiteral("월 마감작업"));
    EXPECT_EQ(closing->findChild<QDateEdit*>()->date(), QDate(2009, 4, 1));

    shown.clear();
    click(closing, QStringLiteral("btnOk"));
    EXPECT_EQ(texts(), (QStringList{QStringLiteral("2009-04 마감작업 하시겠습니까?"), QStringLiteral("마감작업이 완료되었습니다.")}));
    EXPECT_EQ(main->LastClosedMonth(), QStringLiteral("200904"));

    closing->findChild<QDateEdit*>()->setDate(QDate(2009, 5, 1));
    click(closing, QStringLiteral("btnOk"));
    EXPECT_EQ(main->LastClosedMonth(), QStringLiteral("200905"));
    shown.clear();
    cashBook->trigger();   // passes; the cash-book screen itself is not built yet
    EXPECT_TRUE(texts().isEmpty());
}

TEST_F(MonthEndScreensTest, RefusalsAndCancelledQuestionsChangeNothing)
{
    data.exec(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 마감여부) VALUES ('200904', '1'), ('200905', '0')"));
    main->refreshLastClosedMonth();
    main->opener().open(CommandMap::screen(QStringLiteral("TfEndYesNo")));
    QWidget* closing = screen(QStringLiteral("TfEndYesNo"));
    closing->findChild<QDateEdit*>()->setDate(QDate(2009, 6, 1));
    click(closing, QStringLiteral("btnOk"));
    EXPECT_EQ(texts().last(), QStringLiteral("2009-05 까지만 마감 작업 가능합니다."));
    EXPECT_EQ(shown.last().caption, QStringLiteral("월 마감작업"));

    answer = QMessageBox::Cancel;
    closing->findChild<QDateEdit*>()->setDate(QDate(2009, 5, 1));
    shown.clear();
    click(closing, QStringLiteral("btnOk"));
    EXPECT_EQ(texts(), QStringList{QStringLiteral("2009-05 마감작업 하시겠습니까?")});
    EXPECT_EQ(main->LastClosedMonth(), QStringLiteral("200904"));
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT COUNT(*) FROM T_금전출납마감 WHERE 마감여부 = '1'")).toInt(), 1);
}

TEST_F(MonthEndScreensTest, CancellingTheLastClosedMonthsReopensThem)
{
    data.exec(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 차변누계금액, 마감여부) VALUES "
                             "('200903', 10, '1'), ('200904', 10, '1'), ('200905', 10, '0')"));
    main->refreshLastClosedMonth();
    menuEntry(QStringLiteral("기  타"), QStringLiteral("월마감취소"))->trigger();
    QWidget* cancel = screen(QStringLiteral("TfEndCancel"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->windowTitle(), QStringLiteral("월 마감취소"));
    EXPECT_EQ(cancel->findChild<QDateEdit*>()->date(), QDate(2009, 5, 1));

    cancel->findChild<QDateEdit*>()->setDate(QDate(2009, 3, 1));
    click(cancel, QStringLiteral("btnOk"));
    EXPECT_EQ(texts().last(), QStringLiteral("2009-03 이후월부터 순차적으로 마감취소 하세요."));

    for (const QDate& month : {QDate(2009, 4, 1), QDate(2009, 3, 1)}) {
        cancel->findChild<QDateEdit*>()->setDate(month);
        click(cancel, QStringLiteral("btnOk"));
        EXPECT_EQ(texts().last(), QStringLiteral("마감취소 작업이 완료되었습니다."));
    }
    EXPECT_EQ(main->LastClosedMonth(), QStringLiteral("000000"));
    EXPECT_EQ(data.count(QStringLiteral("T_금전출납마감")), 1);
}

}
