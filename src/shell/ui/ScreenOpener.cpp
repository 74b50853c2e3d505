#include "shell/ui/ScreenOpener.h"

#include "shell/ui/WorkScreen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

using CommandMap::PageForm;
using CommandMap::Target;
using CommandMap::TargetKind;

namespace {
// Restores the cursor however the opening ends.
class BusyCursor {
public:
    explicit BusyCursor(bool on) : on_(on)
    {
        if (on_)
            QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    ~BusyCursor()
    {
        if (on_)
            QApplication::restoreOverrideCursor();
    }

private:
    bool on_;
};

// The main window draws again however the building of a screen ends.
class SuspendedDrawing {
public:
    SuspendedDrawing(QWidget* window, bool suspend) : window_(suspend && window->updatesEnabled() ? window : nullptr)
    {
        if (window_)
            window_->setUpdatesEnabled(false);
    }
    ~SuspendedDrawing()
    {
        if (window_)
            window_->setUpdatesEnabled(true);
    }

private:
    QWidget* window_;
};

QMdiSubWindow* frameOf(QWidget* screen)
{
    return qobject_cast<QMdiSubWindow*>(screen->parentWidget());
}
}

ScreenOpener::ScreenOpener(QWidget* mainWindow, QMdiArea* workArea) : mainWindow_(mainWindow), workArea_(workArea) {}

void ScreenOpener::registerScreen(const QString& name, Style style, Factory factory)
{
    kinds_.insert(name, {style, std::move(factory)});
}

void ScreenOpener::registerAction(const QString& name, std::function<void()> action)
{
    actions_.insert(name, std::move(action));
}

bool ScreenOpener::isAvailable(const Target& target) const
{
    switch (target.kind) {
    case TargetKind::Screen:
        return kinds_.contains(target.name);
    case TargetKind::Action:
        return actions_.contains(target.name);
    case TargetKind::CloseMainWindow:
    case TargetKind::CloseLauncher:
        return true;
    case TargetKind::Nothing:
        return false;
    }
    return false;
}

QWidget* ScreenOpener::instance(const QString& name) const
{
    return open_.value(name).data();
}

QWidget* ScreenOpener::open(const Target& target)
{
    if (target.kind == TargetKind::Action && actions_.contains(target.name)) {
        actions_.value(target.name)();
        return nullptr;
    }
    if (target.kind == TargetKind::CloseMainWindow) {
        emit closeMainWindowRequested();
        return nullptr;
    }
    if (target.kind != TargetKind::Screen || !kinds_.contains(target.name))
        return nullptr;

    BusyCursor busy(target.busyCursor);
    const Kind& kind = kinds_[target.name];
    QWidget* screen = instance(target.name);
    const bool created = !screen;
    if (created)
        screen = create(target.name, kind, target);
    else
        bringToFront(screen, kind, target);
    choosePage(screen, target, created);
    if (!target.firstButtonCaption.isEmpty())
        if (auto* work = qobject_cast<WorkScreen*>(screen))
            work->setFirstButtonCaption(target.firstButtonCaption);
    return screen;
}

QWidget* ScreenOpener::create(const QString& name, const Kind& kind, const Target& target)
{
    const SuspendedDrawing drawing(mainWindow_, !target.noSuspend);
    QWidget* screen = kind.factory();
    screen->setObjectName(name);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    open_.insert(name, screen);

    if (kind.style == Style::Dialog) {
        screen->setParent(mainWindow_, Qt::Dialog);
        screen->adjustSize();
        const QRect available = mainWindow_->screen()->availableGeometry();
        screen->move(available.center() - screen->rect().center());
        screen->show();
    } else {
        QMdiSubWindow* frame = workArea_->addSubWindow(screen);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        if (kind.style == Style::Launcher || target.maximized) {
            if (kind.style == Style::Launcher) {
                frame->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
                keepLaunchersMaximized(frame);
            }
            frame->showMaximized();
        } else {
            frame->resize(kWorkSize);
            frame->move(0, 0);
            frame->show();
        }
        workArea_->setActiveSubWindow(frame);
    }
    return screen;
}

void ScreenOpener::bringToFront(QWidget* screen, const Kind& kind, const Target& target)
{
    if (QMdiSubWindow* frame = frameOf(screen)) {
        if (kind.style == Style::Launcher || target.maximized)
            frame->showMaximized();
        else
            frame->showNormal();
        workArea_->setActiveSubWindow(frame);
        frame->raise();
        return;
    }
    screen->showNormal();
    screen->raise();
    screen->activateWindow();
}

void ScreenOpener::keepLaunchersMaximized(QMdiSubWindow* window)
{
    connect(workArea_, &QMdiArea::subWindowActivated, window, [window](QMdiSubWindow* active) {
        if (active == window && !window->isMaximized())
            window->showMaximized();
    });
}

void ScreenOpener::choosePage(QWidget* screen, const Target& target, bool created)
{
    auto* work = qobject_cast<WorkScreen*>(screen);
    if (!work || target.form == PageForm::None)
        return;
    bool select = true;
    bool load = false;
    switch (target.form) {
    case PageForm::None:
        return;
    case PageForm::EveryTimeLoad:
        load = true;
        break;
    case PageForm::EveryTimeNoLoad:
        break;
    case PageForm::EveryTimeLoadIfNew:
        load = created;
        break;
    case PageForm::IfNew:
        select = created;
        break;
    case PageForm::IfNewLoad:
        select = load = created;
        break;
    case PageForm::Tab:
        // A new card already shows its details tab as built.
        load = !(created && target.page == 1);
        break;
    }
    if (select)
        work->selectPage(target.page);
    if (load)
        work->loadPage();
}
