#include "reports/ui/ReportPreview.h"
#include "reports/ui/ReportPrinter.h"
#include "shell/ui/Messages.h"
#include "support/TestData.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ReportPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Messages::setPresenter([this](const Messages::Shown& shown, QMessageBox::StandardButtons) {
            messages << shown.text;
            return QMessageBox::Ok;
        });
        for (int day = 1; day <= 60; ++day)
            data.exec(QStringLiteral("INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액, 출금액) VALUES ('2009-03-05', %1, '수련비', 1000, 0)").arg(day));
    }
    void TearDown() override { Messages::setPresenter({}); }

    TestData data;
    QStringList messages;
};

TEST_F(ReportPreviewTest, PreviewPagesThroughTheReportAndZooms)
{
    ReportRequest request{QStringLiteral("TfPri1020"), QStringLiteral("일일정산표"), {}, ReportRequest::Preview,
                          {{QStringLiteral("일자"), QStringLiteral("2009-03-05")}}};
    auto* preview = qobject_cast<ReportPreview*>(ReportPrinter::run(nullptr, data.session(), request));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("일일정산표"));
    auto* page = preview->findChild<QLabel*>(QStringLiteral("lblPage"));
    EXPECT_EQ(page->text(), QStringLiteral("1 / 3"));

    QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("btnLast")), Qt::LeftButton);
    EXPECT_EQ(page->text(), QStringLiteral("3 / 3"));
    QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("btnNext")), Qt::LeftButton);
    EXPECT_EQ(preview->currentPage(), 2);
    QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("btnFirst")), Qt::LeftButton);
    QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("btnPrevious")), Qt::LeftButton);
    EXPECT_EQ(preview->currentPage(), 0);

    auto* view = preview->findChild<QLabel*>(QStringLiteral("lblPageView"));
    const int width = view->pixmap().width();
    preview->findChild<QComboBox*>(QStringLiteral("cboZoom"))->setCurrentIndex(5);   // 200%
    EXPECT_NEAR(view->pixmap().width(), 2 * width, 2);
    EXPECT_TRUE(messages.isEmpty());
    delete preview;
}

TEST_F(ReportPreviewTest, AMissingTemplateIsAMessageNotAWindow)
{
    EXPECT_EQ(ReportPrinter::run(nullptr, data.session(), {QStringLiteral("REPORT\\chulsuk9.rpt"), {}, {}, 0, {}}), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("chulsuk9.rpt"))) << messages[0].toStdString();
}

}
