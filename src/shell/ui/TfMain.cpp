#include "shell/ui/TfMain.h"

#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "datastore/PrintTable.h"
#include "datastore/Query.h"
#include "datastore/Session.h"
#include "fees/ClosedMonth.h"
#include "fees/MonthClosing.h"
#include "shell/ScreenLock.h"
#include "shell/ui/ActionGuard.h"
#include "shell/ui/Messages.h"
#include "shell/ui/ScreenCatalogue.h"
#include "shell/ui/ScreenOpener.h"
#include "shell/ui/WorkArea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {
const int kToolbarButtonWidth = 113;

QString windowCaption()
{
    return QLatin1String(ProgramFolder::kDataSourceName) + QStringLiteral("KVQE/VISTA") + QStringLiteral("_20090101");
}
}

TfMain::TfMain(Session& session, QWidget* parent) : QMainWindow(parent), session_(session)
{
    setObjectName(QStringLiteral("TfMain"));
    session_.open();   // a failure ends start-up with the engine's message

    setFixedSize(kSize);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(windowCaption());
    QCoreApplication::setApplicationName(QLatin1String(ProgramFolder::kDataSourceName) + QStringLiteral("KVQE"));
    move(screen()->availableGeometry().center() - rect().center());

    workArea_ = new WorkArea(this);
    setCentralWidget(workArea_);
    opener_ = new ScreenOpener(this, workArea_);
    connect(opener_, &ScreenOpener::closeMainWindowRequested, this, &TfMain::close);
    ScreenCatalogue::registerAll(*opener_, *this);

    buildMenus();
    buildToolbar();
    buildLockPanel();
    SetImeMode(QStringLiteral("KOREA"));
    refreshLastClosedMonth();

    guardedAction(this, [this] {
        const QString dojang = Query(session_, QStringLiteral("SELECT 도장명 FROM T_도장정보")).scalar().toString();
        auto* info = new QLabel(QStringLiteral("  %1    %2").arg(dojang, Clock::todayText()), statusBar());
        info->setObjectName(QStringLiteral("lblStatus"));
        statusBar()->addWidget(info);
    });
}

TfMain::~TfMain() = default;

void TfMain::buildMenus()
{
    for (const CommandMap::Menu& menu : CommandMap::menus()) {
        QMenu* top = menuBar()->addMenu(menu.caption);
        QHash<QString, QMenu*> submenus;
        for (const CommandMap::MenuEntry& entry : menu.entries) {
            QMenu* owner = top;
            if (entry.path.size() > 1) {
                QMenu*& sub = submenus[entry.path.first()];
                if (!sub)
                    sub = top->addMenu(entry.path.first());
                owner = sub;
            }
            QAction* action = owner->addAction(entry.path.last());
            // A gated entry always runs its gate, even before its screen exists.
            action->setEnabled(opener_->isAvailable(entry.target) || entry.target.cashGate);
            if (entry.target.kind == CommandMap::TargetKind::CloseMainWindow) {
                action->setObjectName(QStringLiteral("N84"));
                connect(action, &QAction::triggered, this, &TfMain::N84Click);
                continue;
            }
            const CommandMap::Target target = entry.target;
            connect(action, &QAction::triggered, this, [this, target] { runTarget(target); });
        }
    }
}

void TfMain::buildToolbar()
{
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("ToolBar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    // Seven buttons of 113 fill the window's width: no room for margins.
    toolbar_->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; border: 0px; }"));
    toolbar_->layout()->setContentsMargins(0, 0, 0, 0);
    addToolBar(Qt::BottomToolBarArea, toolbar_);
    const QList<CommandMap::Button>& buttons = CommandMap::toolbar();
    for (const CommandMap::Button& entry : buttons) {
        auto* button = new QPushButton(entry.caption, toolbar_);
        button->setFixedWidth(kToolbarButtonWidth);
        button->setMinimumHeight(30);
        toolbar_->addWidget(button);
        if (entry.target.kind == CommandMap::TargetKind::CloseMainWindow) {
            button->setObjectName(QStringLiteral("BitBtn1"));
            exitButton_ = button;
            connect(button, &QPushButton::clicked, this, &TfMain::BitBtn1Click);
            continue;
        }
        button->setObjectName(QStringLiteral("btn_") + entry.target.name);
        button->setProperty("available", opener_->isAvailable(entry.target));
        button->setEnabled(button->property("available").toBool());
        launcherButtons_ << button;
        const CommandMap::Target target = entry.target;
        connect(button, &QPushButton::clicked, this, [this, target] { runTarget(target); });
    }
}

void TfMain::buildLockPanel()
{
    edt_PassWord = new QLineEdit(workArea_);
    edt_PassWord->setObjectName(QStringLiteral("edt_PassWord"));
    edt_PassWord->setAccessibleName(QStringLiteral("비밀번호"));
    edt_PassWord->setMaxLength(8);
    edt_PassWord->setEchoMode(QLineEdit::Password);
    edt_PassWord->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));   // each character shows as "*"
    edt_PassWord->setFixedSize(110, 26);
    Btn_Ok = new QPushButton(QStringLiteral("확  인"), workArea_);
    Btn_Ok->setObjectName(QStringLiteral("Btn_Ok"));
    Btn_Ok->setDefault(true);
    Btn_Ok->setFixedSize(75, 26);
    connect(Btn_Ok, &QPushButton::clicked, this, &TfMain::Btn_OkClick);
    connect(edt_PassWord, &QLineEdit::returnPressed, this, &TfMain::Btn_OkClick);
    connect(workArea_, &WorkArea::resized, this, &TfMain::placeLockPanel);
    edt_PassWord->hide();
    Btn_Ok->hide();
}

void TfMain::placeLockPanel()
{
    const QRect area = workArea_->rect();
    const int y = area.bottom() - Btn_Ok->height() - 8;
    Btn_Ok->move(area.right() - Btn_Ok->width() - 10, y);
    edt_PassWord->move(Btn_Ok->x() - edt_PassWord->width() - 6, y);
}

void TfMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!lockEvaluated_) {
        lockEvaluated_ = true;
        evaluateLock();
    }
}

void TfMain::evaluateLock()
{
    // A lock that cannot be read stays shut.
    bool locked = true;
    guardedAction(this, [&] { locked = ScreenLock::mainScreen().isLocked(session_); });
    SetMenusEnabled(!locked);
    if (edt_PassWord->isVisible())
        edt_PassWord->setFocus();
}

void TfMain::SetMenusEnabled(bool enabled)
{
    for (QAction* menu : menuBar()->actions())
        menu->setEnabled(enabled);
    for (QWidget* button : launcherButtons_)
        button->setEnabled(enabled && button->property("available").toBool());
    exitButton_->setEnabled(enabled);
    edt_PassWord->setVisible(!enabled);
    Btn_Ok->setVisible(!enabled);
    if (!enabled) {
        placeLockPanel();
        edt_PassWord->raise();
        Btn_Ok->raise();
    }
}

bool TfMain::isLocked() const
{
    return Btn_Ok->isVisible() || !exitButton_->isEnabled();
}

void TfMain::Btn_OkClick()
{
    guardedAction(this, [this] {
        if (ScreenLock::mainScreen().accepts(session_, edt_PassWord->text()))
            SetMenusEnabled(true);
    });
}

void TfMain::BitBtn1Click()
{
    close();
}

void TfMain::N84Click()
{
    close();
}

void TfMain::runTarget(const CommandMap::Target& target)
{
    guardedAction(this, [&] {
        if (target.cashGate && !CheckCashClosing())
            return;
        opener_->open(target);
    });
}

void TfMain::AddPrintEndRow()
{
    PrintTable::addEndRow(session_);
}

// Qt has no call that switches the system's Hangul conversion; the hints
// ask the input method for Latin entry in the focused field, or release it.
void TfMain::SetImeMode(const QString& mode)
{
    if (!inputMode_.apply(mode))
        return;
    QWidget* field = QApplication::focusWidget();
    if (!field)
        return;
    const Qt::InputMethodHints latin = Qt::ImhPreferLatin | Qt::ImhLatinOnly;
    field->setInputMethodHints(inputMode_.conversion() == InputMode::Latin ? field->inputMethodHints() | latin
                                                                           : field->inputMethodHints() & ~latin);
    QGuiApplication::inputMethod()->update(Qt::ImHints);
}

// The cash book opens only once it is set up and every month before the
// previous one is closed; otherwise the screen that does the missing step
// opens instead.
bool TfMain::CheckCashClosing()
{
    const MonthClosing::Gate gate = MonthClosing(session_).gate(Clock::today());
    if (gate.outcome == MonthClosing::Gate::Outcome::Pass)
        return true;
    Messages::show(this, QMessageBox::Critical, windowTitle(), gate.message);
    if (gate.outcome == MonthClosing::Gate::Outcome::NeedsSetUp) {
        opener_->open(CommandMap::unsuspended(CommandMap::screen(QStringLiteral("TfMoneyMaster"))));
        return false;
    }
    QWidget* closing = opener_->open(CommandMap::unsuspended(CommandMap::screen(QStringLiteral("TfEndYesNo"))));
    if (closing)
        QMetaObject::invokeMethod(closing, "setMonth", Q_ARG(QDate, QDate::fromString(gate.month, QStringLiteral("yyyyMM"))));
    return false;
}

void TfMain::refreshLastClosedMonth(bool afterCancellation)
{
    guardedAction(this, [&] {
        lastClosedMonth_ = afterCancellation ? ClosedMonth::latestAfterCancellation(session_) : ClosedMonth::latest(session_);
    });
}

void TfMain::showExitPicture()
{
    opener_->open(CommandMap::maximized(CommandMap::screen(QStringLiteral("Tfexit"))));
}

void TfMain::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    showExitPicture();
    session_.close();
    Messages::information(this, QStringLiteral("종료"), QStringLiteral("Quenmar2000"));
    event->accept();
}
