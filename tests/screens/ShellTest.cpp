#include "datastore/Query.h"
#include "shell/CommandMap.h"
#include "shell/ui/Messages.h"
#include "shell/ui/ScreenOpener.h"
#include "shell/ui/TfLauncher.h"
#include "shell/ui/TfMain.h"
#include "shell/ui/WorkScreen.h"
#include "support/MainWindowTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

using CommandMap::PageForm;

// A multi-page screen that records what the shell asked of it.
class FakeScreen : public WorkScreen {
public:
    QList<int> selected;
    int loads = 0;
    QString firstButton;
    void selectPage(int page) override { selected << page; }
    void loadPage() override { ++loads; }
    void setFirstButtonCaption(const QString& caption) override { firstButton = caption; }
};

class ShellTest : public MainWindowTest {
protected:
    QList<QMenu*> topMenus() const
    {
        QList<QMenu*> list;
        for (QAction* action : main->menuBar()->actions())
            list << action->menu();
        return list;
    }
    QPushButton* button(const QString& name) const { return main->findChild<QPushButton*>(name); }
    QLineEdit* passwordField() const { return main->findChild<QLineEdit*>(QStringLiteral("edt_PassWord")); }
    QMdiArea* workArea() const { return main->findChild<QMdiArea*>(); }
};

TEST_F(ShellTest, MainWindowShowsItsCaptionMenusAndToolbar)
{
    start();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Quenmar2000KVQE/VISTA_20090101"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Quenmar2000KVQE"));
    EXPECT_EQ(main->size(), QSize(798, 596));

    QStringList captions;
    for (QMenu* menu : topMenus())
        captions << menu->title();
    EXPECT_EQ(captions, (QStringList{"개인관리", "종합관리", "인원현황", "일괄입력", "체력측정", "심사관리", "출석관리",
                                     "수련비", "퇴관처리", "양식출력", "금전출납", "환경설정", "기  타"}));

    QStringList toolbar;
    for (QPushButton* b : main->findChild<QToolBar*>(QStringLiteral("ToolBar1"))->findChildren<QPushButton*>()) {
        toolbar << b->text();
        EXPECT_EQ(b->width(), 113) << b->text().toStdString();
    }
    EXPECT_EQ(toolbar, (QStringList{" 등 록 업 무", " 조 회 업 무", " 퇴 관 업 무", " 양 식 출 력", " 심 사 업 무",
                                    " 환 경 정 의", " 종       료"}));
    EXPECT_FALSE(passwordField()->isVisible());
}

// Each menu lists its entries in order, submenus included; entries whose
// screen is not built yet stay in place, disabled.
TEST_F(ShellTest, MenusFollowTheCommandMapEntryByEntry)
{
    start();
    const QList<QMenu*> menus = topMenus();
    ASSERT_EQ(menus.size(), CommandMap::menus().size());
    for (int m = 0; m < menus.size(); ++m) {
        QStringList shown;
        std::function<void(QMenu*, const QString&)> walk = [&](QMenu* menu, const QString& prefix) {
            for (QAction* action : menu->actions()) {
                if (action->menu())
                    walk(action->menu(), prefix + action->text() + QStringLiteral(" > "));
                else
                    shown << prefix + action->text();
            }
        };
        walk(menus[m], QString());
        QStringList expected;
        for (const CommandMap::MenuEntry& entry : CommandMap::menus()[m].entries)
            expected << entry.path.join(QStringLiteral(" > "));
        EXPECT_EQ(shown, expected) << menus[m]->title().toStdString();
    }
    QAction* exit = main->findChild<QAction*>(QStringLiteral("N84"));
    ASSERT_NE(exit, nullptr);
    EXPECT_TRUE(exit->isEnabled());
}

TEST_F(ShellTest, LockedMainScreenOpensOnlyWithTheRightPassword)
{
    data.exec(QStringLiteral("UPDATE T_도장정보 SET 메인화면 = '1234', 메인화면체크유무 = '1'"));
    start();
    for (QMenu* menu : topMenus())
        EXPECT_FALSE(menu->menuAction()->isEnabled()) << menu->title().toStdString();
    EXPECT_FALSE(button(QStringLiteral("btn_TfSM_input"))->isEnabled());
    EXPECT_FALSE(button(QStringLiteral("BitBtn1"))->isEnabled());
    ASSERT_TRUE(passwordField()->isVisible());
    EXPECT_TRUE(button(QStringLiteral("Btn_Ok"))->isVisible());
    EXPECT_EQ(passwordField()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(passwordField()->maxLength(), 8);

    QTest::keyClicks(passwordField(), QStringLiteral("9999"));
    QTest::mouseClick(button(QStringLiteral("Btn_Ok")), Qt::LeftButton);
    EXPECT_TRUE(passwordField()->isVisible());
    EXPECT_EQ(passwordField()->text(), QStringLiteral("9999"));
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(topMenus().first()->menuAction()->isEnabled());

    passwordField()->clear();
    QTest::keyClicks(passwordField(), QStringLiteral("1234"));
    QTest::keyClick(passwordField(), Qt::Key_Return);
    EXPECT_FALSE(passwordField()->isVisible());
    EXPECT_FALSE(button(QStringLiteral("Btn_Ok"))->isVisible());
    for (QMenu* menu : topMenus())
        EXPECT_TRUE(menu->menuAction()->isEnabled());
    EXPECT_TRUE(button(QStringLiteral("btn_TfSM_input"))->isEnabled());
    EXPECT_TRUE(button(QStringLiteral("BitBtn1"))->isEnabled());
}

TEST_F(ShellTest, OpeningRuleKeepsOneInstanceAndReopensFresh)
{
    start();
    ScreenOpener& opener = main->opener();
    int built = 0;
    opener.registerScreen(QStringLiteral("TfFake"), ScreenOpener::Style::Work, [&built] {
        ++built;
        return new FakeScreen;
    });
    const CommandMap::Target target = CommandMap::screen(QStringLiteral("TfFake"));
    QWidget* first = opener.open(target);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->objectName(), QStringLiteral("TfFake"));
    auto* frame = qobject_cast<QMdiSubWindow*>(first->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->size(), QSize(788, 480));
    EXPECT_EQ(frame->pos(), QPoint(0, 0));

    frame->showMinimized();
    EXPECT_EQ(opener.open(target), first);
    EXPECT_FALSE(frame->isMinimized());
    EXPECT_EQ(workArea()->activeSubWindow(), frame);
    EXPECT_EQ(built, 1);

    frame->close();
    flushDeletes();
    EXPECT_EQ(opener.instance(QStringLiteral("TfFake")), nullptr);
    QWidget* second = opener.open(target);
    EXPECT_EQ(built, 2);
    EXPECT_NE(opener.instance(QStringLiteral("TfFake")), nullptr);
    EXPECT_EQ(static_cast<FakeScreen*>(second)->loads, 0);
}

struct PageCase {
    PageForm form;
    QList<int> selectedWhenNew;
    int loadsWhenNew;
    QList<int> selectedWhenOpen;
    int loadsWhenOpen;
};

TEST_F(ShellTest, PageFormsSelectAndLoadAsTheEntryAsks)
{
    start();
    ScreenOpener& opener = main->opener();
    opener.registerScreen(QStringLiteral("TfFake"), ScreenOpener::Style::Work, [] { return new FakeScreen; });
    const PageCase cases[] = {
        {PageForm::None, {}, 0, {}, 0},
        {PageForm::EveryTimeLoad, {3}, 1, {3}, 1},
        {PageForm::EveryTimeNoLoad, {3}, 0, {3}, 0},
        {PageForm::EveryTimeLoadIfNew, {3}, 1, {3}, 0},
        {PageForm::IfNew, {3}, 0, {}, 0},
        {PageForm::IfNewLoad, {3}, 1, {}, 0},
        {PageForm::Tab, {3}, 1, {3}, 1},
    };
    for (const PageCase& c : cases) {
        const CommandMap::Target target = CommandMap::screen(QStringLiteral("TfFake"), c.form, 3);
        auto* screen = static_cast<FakeScreen*>(opener.open(target));
        EXPECT_EQ(screen->selected, c.selectedWhenNew) << int(c.form);
        EXPECT_EQ(screen->loads, c.loadsWhenNew) << int(c.form);
        screen->selected.clear();
        screen->loads = 0;
        opener.open(target);
        EXPECT_EQ(screen->selected, c.selectedWhenOpen) << int(c.form);
        EXPECT_EQ(screen->loads, c.loadsWhenOpen) << int(c.form);
        screen->parentWidget()->close();
        flushDeletes();
    }
    // A new card shows its first tab as built, without the tab-change run.
    auto* card = static_cast<FakeScreen*>(opener.open(CommandMap::screen(QStringLiteral("TfFake"), PageForm::Tab, 1)));
    EXPECT_EQ(card->selected, QList<int>{1});
    EXPECT_EQ(card->loads, 0);
    opener.open(CommandMap::screen(QStringLiteral("TfFake"), PageForm::Tab, 1));
    EXPECT_EQ(card->loads, 1);
    // The leave screen's entries name the mode on its first button.
    opener.open(CommandMap::withFirstButton(CommandMap::screen(QStringLiteral("TfFake"), PageForm::EveryTimeLoad, 2),
                                            QStringLiteral("휴     관")));
    EXPECT_EQ(card->firstButton, QStringLiteral("휴     관"));
}

TEST_F(ShellTest, DialogsAreWindowsOfTheirOwnAboveTheMainWindow)
{
    start();
    main->opener().registerScreen(QStringLiteral("TfSmall"), ScreenOpener::Style::Dialog, [] {
        auto* w = new QWidget;
        w->resize(300, 200);
        return w;
    });
    QWidget* dialog = main->opener().open(CommandMap::screen(QStringLiteral("TfSmall")));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_EQ(dialog->parentWidget(), main.get());
    EXPECT_EQ(dialog->size(), QSize(300, 200));
    EXPECT_TRUE(workArea()->subWindowList().isEmpty());
}

TEST_F(ShellTest, LaunchersOpenMaximizedWithAThreeWideGridAndCloseThemselves)
{
    start();
    for (const CommandMap::Launcher& launcher : CommandMap::launchers()) {
        QPushButton* opening = button(QStringLiteral("btn_") + launcher.screen);
        ASSERT_NE(opening, nullptr) << launcher.screen.toStdString();
        QTest::mouseClick(opening, Qt::LeftButton);
        QWidget* window = main->opener().instance(launcher.screen);
        ASSERT_NE(window, nullptr);
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        EXPECT_TRUE(frame->isMaximized());

        const QList<QPushButton*> cells = window->findChildren<QPushButton*>();
        EXPECT_EQ(cells.size() % TfLauncher::kColumns, 0);
        QStringList captions;
        for (QPushButton* cell : cells)
            captions << cell->text();
        EXPECT_EQ(captions, TfLauncher::gridCaptions(launcher));
        EXPECT_EQ(captions.last(), launcher.buttons.last().caption);

        frame->showNormal();
        workArea()->setActiveSubWindow(nullptr);
        workArea()->setActiveSubWindow(frame);
        EXPECT_TRUE(frame->isMaximized()) << "re-maximized on activation";

        QTest::mouseClick(cells.last(), Qt::LeftButton);
        flushDeletes();
        EXPECT_EQ(main->opener().instance(launcher.screen), nullptr);
    }
    const QStringList grid = TfLauncher::gridCaptions(*CommandMap::launcher(QStringLiteral("TfSM_ret")));
    EXPECT_EQ(grid, (QStringList{"퇴관처리", "휴관처리", "복관처리", "", "", "종료"}));
}

TEST_F(ShellTest, ExitShowsThePictureClosesTheSessionAndSaysEnd)
{
    start();
    QTest::mouseClick(button(QStringLiteral("BitBtn1")), Qt::LeftButton);
    EXPECT_EQ(texts(), QStringList{QStringLiteral("종료")});
    EXPECT_NE(main->opener().instance(QStringLiteral("Tfexit")), nullptr);
    EXPECT_FALSE(data.session().isOpen());
    EXPECT_FALSE(main->isVisible());
}

TEST_F(ShellTest, AddPrintEndRowAppendsTheEndRow)
{
    start();
    data.exec(QStringLiteral("INSERT INTO Print (seqno, f01) VALUES (1, 'a')"));
    main->AddPrintEndRow();
    EXPECT_EQ(data.scalar(QStringLiteral("SELECT COUNT(*) FROM Print WHERE seqno = 100000 AND G01 = '999'")).toInt(), 1);
    EXPECT_EQ(data.count(QStringLiteral("Print")), 2);
}

}
