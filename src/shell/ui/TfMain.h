#pragma once
#include "shell/CommandMap.h"
#include "shell/InputMode.h"

#include <QMainWindow>

class QLineEdit;
class QPushButton;
class QToolBar;
class Session;
class ScreenOpener;
class WorkArea;

// The main window: work area, menus, bottom toolbar, main-screen lock, and
// the services every screen may call. Creating it opens the session; closing
// it runs the exit sequence.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QSize kSize{798, 596};

    explicit TfMain(Session& session, QWidget* parent = nullptr);
    ~TfMain() override;

    ScreenOpener& opener() { return *opener_; }
    Session& session() { return session_; }

    // Services for the screens.
    void AddPrintEndRow();
    void SetImeMode(const QString& mode);
    bool CheckCashClosing();
    void SetMenusEnabled(bool enabled);
    const QString& LastClosedMonth() const { return lastClosedMonth_; }
    // After a cancellation an empty result is kept as "000000".
    void refreshLastClosedMonth(bool afterCancellation = false);

    bool isLocked() const;
    void runTarget(const CommandMap::Target& target);

public slots:
    void Btn_OkClick();
    void BitBtn1Click();
    void N84Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildLockPanel();
    void placeLockPanel();
    void evaluateLock();
    void showExitPicture();

    Session& session_;
    WorkArea* workArea_;
    ScreenOpener* opener_;
    QToolBar* toolbar_ = nullptr;
    QList<QWidget*> launcherButtons_;
    QPushButton* exitButton_ = nullptr;
    QLineEdit* edt_PassWord = nullptr;
    QPushButton* Btn_Ok = nullptr;
    InputMode inputMode_;
    QString lastClosedMonth_;
    bool lockEvaluated_ = false;
    bool closing_ = false;
};
