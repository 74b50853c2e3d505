#pragma once
#include "shell/CommandMap.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// The one screen-opening rule. Each screen kind exists at most once: an open
// one is brought to the front, a missing one is built (with the main
// window's drawing suspended) as a child of the work area at its top-left
// corner, 788 x 480; launchers open maximized; setting windows and print
// dialogs are windows of their own size, centred, above the main window.
// A closed screen is destroyed, so the next opening starts fresh. Pages are
// chosen by the entry's page form after the screen exists.
class ScreenOpener : public QObject {
    Q_OBJECT
public:
    enum class Style { Work, Launcher, Dialog };
    using Factory = std::function<QWidget*()>;
    static constexpr QSize kWorkSize{788, 480};

    ScreenOpener(QWidget* mainWindow, QMdiArea* workArea);

    void registerScreen(const QString& name, Style style, Factory factory);
    void registerAction(const QString& name, std::function<void()> action);
    bool isAvailable(const CommandMap::Target& target) const;

    // Opens the target's screen by the rule; returns it, or nullptr for
    // targets that are not screens or not available.
    QWidget* open(const CommandMap::Target& target);
    QWidget* instance(const QString& name) const;

signals:
    void closeMainWindowRequested();

private:
    struct Kind {
        Style style;
        Factory factory;
    };
    QWidget* create(const QString& name, const Kind& kind, const CommandMap::Target& target);
    void bringToFront(QWidget* screen, const Kind& kind, const CommandMap::Target& target);
    void choosePage(QWidget* screen, const CommandMap::Target& target, bool created);
    void keepLaunchersMaximized(QMdiSubWindow* window);

    QWidget* mainWindow_;
    QMdiArea* workArea_;
    QHash<QString, Kind> kinds_;
    QHash<QString, std::function<void()>> actions_;
    QHash<QString, QPointer<QWidget>> open_;
};
