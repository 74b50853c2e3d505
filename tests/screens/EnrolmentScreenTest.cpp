#include "common/ProgramFolder.h"
#include "members/ui/TfPer0010.h"
#include "shell/ui/ScreenOpener.h"
#include "shell/ui/TfMain.h"
#include "support/MainWindowTest.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>


namespace {

class EnrolmentScreenTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start(QDate(2009, 3, 5));
    }
    TfPer0010* openFromMenu()
    {
        menuEntry({QStringLiteral("개인관리"), QStringLiteral("신규등록"), QStringLiteral("입관원서")})->trigger();
        return qobject_cast<TfPer0010*>(main->opener().instance(QStringLiteral("TfPer0010")));
    }
    QLineEdit* edit(TfPer0010* s, const char* name) { return s->findChild<QLineEdit*>(QLatin1String(name)); }
    QComboBox* box(TfPer0010* s, const char* name) { return s->findChild<QComboBox*>(QLatin1String(name)); }
    void choose(QComboBox* combo, const QString& text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void click(TfPer0010* s, const char* name)
    {
        QPushButton* button = s->findChild<QPushButton*>(QLatin1String(name));
        ASSERT_TRUE(button && button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void fillRequired(TfPer0010* s)
    {
        edit(s, "edtName")->insert(QStringLiteral("홍길동"));   // typed: the hanja field follows
        edit(s, "edtBirthDate")->setFocus();
        QTest::keyClicks(edit(s, "edtBirthDate"), QStringLiteral("20020507"));
        edit(s, "edtName")->setFocus();   // leaving the birth date fills the resident number's front
        edit(s, "edtResidentNumber")->setText(edit(s, "edtResidentNumber")->text() + QStringLiteral("3123456"));
        choose(box(s, "cboCalendar"), QStringLiteral("양"));
        choose(box(s, "cboSex"), QStringLiteral("남"));
        choose(box(s, "cboDivision"), box(s, "cboDivision")->itemText(3));
        choose(box(s, "cboGrade"), box(s, "cboGrade")->itemText(1));
        choose(box(s, "cboArea"), box(s, "cboArea")->itemText(1));
        choose(box(s, "cboMotive"), box(s, "cboMotive")->itemText(1));
    }
};

TEST_F(EnrolmentScreenTest, ATraineeIsEnrolledEndToEnd)
{
    TfPer0010* screen = openFromMenu();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("입관원서 등록"));
    EXPECT_EQ(screen->memberNumberOnShow(), QStringLiteral("200903001"));
    EXPECT_FALSE(edit(screen, "edtName")->isEnabled());
    EXPECT_FALSE(screen->findChild<QPushButton*>(QStringLiteral("btnEdit"))->isEnabled());

    click(screen, "btnNew");
    EXPECT_TRUE(edit(screen, "edtName")->isEnabled());
    EXPECT_EQ(edit(screen, "edtJoinDate")->text(), QStringLiteral("2009-03-05"));
    EXPECT_EQ(edit(screen, "edtFirstJoinDate")->text(), QStringLiteral("2009-03-05"));
    EXPECT_EQ(edit(screen, "edtPayDay")->text(), QStringLiteral("5"));

    fillRequired(screen);
    EXPECT_EQ(edit(screen, "edtHanjaName")->text(), QStringLiteral("홍길동"));
    EXPECT_EQ(edit(screen, "edtResidentNumber")->text(), QStringLiteral("020507-3123456"));
    EXPECT_FALSE(edit(screen, "edtFee")->text().isEmpty());   // the division's fee

    QComboBox* course = box(screen, "cboCourse");
    choose(course, course->itemText(1));
    QComboBox* place = box(screen, "cboPlace");
    ASSERT_GT(place->count(), 1);
    choose(place, place->itemText(1));
    EXPECT_EQ(edit(screen, "edtTime")->text().size(), 5);

    for (int i = 0; i < 3; ++i)
        click(screen, "btnFamilyAdd");
    auto* family = screen->findChild<QTableWidget*>(QStringLiteral("grdFamily"));
    for (int row = 0; row < 3; ++row)
        family->setItem(row, 1, new QTableWidgetItem(QStringLiteral("가족%1").arg(row + 1)));
    click(screen, "btnRequireAdd");
    auto* requests = screen->findChild<QTableWidget*>(QStringLiteral("grdRequire"));
    requests->item(0, 1)->setText(QStringLiteral("주말반 문의"));

    const QString photo = data.folder() + QStringLiteral("/photo.png");
    QImage picture(60, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(photo));
    screen->setPhotoFile(photo);
    screen->findChild<QRadioButton*>(QStringLiteral("rdoPaid"))->setChecked(true);

    click(screen, "btnOk");
    EXPECT_TRUE(texts().isEmpty()) << texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(data.count(QStringLiteral("T_회원")), 1);
    EXPECT_EQ(data.column(QStringLiteral("SELECT 순번 || 성명 FROM T_가족사항 ORDER BY 순번")), (QStringList{"1가족1", "2가족2", "3가족3"}));
    EXPECT_EQ(data.count(QStringLiteral("T_건의사항")), 1);
    EXPECT_EQ(data.count(QStringLiteral("T_수련비납부")), 1);
    EXPECT_EQ(data.column(QStringLiteral("SELECT 수련비순번 FROM T_금전출납")), QStringList{"200903001-0001"});
    EXPECT_EQ(data.column(QStringLiteral("SELECT 코스코드 || 장소코드 || 시간 FROM T_회원")).first().size(), 1 + 2 + 5);
    const QString stored = ProgramFolder::file(QStringLiteral("images/200903001.bmp"));
    EXPECT_TRUE(QFile::exists(stored));
    EXPECT_EQ(QImage(stored).size(), QSize(60, 80));
    EXPECT_FALSE(edit(screen, "edtName")->isEnabled());
    EXPECT_TRUE(screen->findChild<QLabel*>(QStringLiteral("lblTotal"))->text().endsWith(QStringLiteral(": 1")));

    click(screen, "btnNew");
    EXPECT_EQ(screen->memberNumberOnShow(), QStringLiteral("200903002"));
}

TEST_F(EnrolmentScreenTest, RefusalsKeepTheEntriesAndAClosedMonthOpensTheCancelScreen)
{
    TfPer0010* screen = openFromMenu();
    click(screen, "btnNew");
    click(screen, "btnOk");
    EXPECT_EQ(texts(), QStringList{QStringLiteral("이름은(는) 필수 입력입니다.")});

    fillRequired(screen);
    data.exec(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 마감여부) VALUES ('200903', '1'), ('200904', '0')"));
    main->refreshLastClosedMonth();
    shown.clear();
    click(screen, "btnOk");
    ASSERT_EQ(texts().size(), 1);
    EXPECT_EQ(texts()[0], QStringLiteral("입관월 2009-03은 이미 마감처리된 월입니다.\n\n마감취소후 입관원서등록을 하세요."));
    EXPECT_NE(main->opener().instance(QStringLiteral("TfEndCancel")), nullptr);
    EXPECT_EQ(edit(screen, "edtName")->text(), QStringLiteral("홍길동"));
    EXPECT_EQ(data.count(QStringLiteral("T_회원")), 0);

    click(screen, "btnCancel");
    EXPECT_TRUE(edit(screen, "edtName")->text().isEmpty());
    EXPECT_FALSE(edit(screen, "edtName")->isEnabled());
}

}
