#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Every way into a screen, as data: the thirteen menus, the bottom toolbar and
// the six task launchers. The shell builds its menus and buttons from these
// tables and opens each target through the one screen-opening rule; an entry
// whose target has not been registered yet is shown disabled in its place.
namespace CommandMap {

// How a multi-page screen's page is chosen when an entry opens it.
enum class PageForm {
    None,                // the screen opens (or comes to the front) as it is
    EveryTimeLoad,       // page n: selected every time, then the page reloads
    EveryTimeNoLoad,     // selected every time, without the reload
    EveryTimeLoadIfNew,  // selected every time; the reload runs only for a new screen
    IfNew,               // page n (new): selected only when the screen is created now
    IfNewLoad,           // page n (new) + load
    Tab,                 // the personal card's tab n, see ScreenOpener for tab 1
};

enum class TargetKind {
    Screen,           // a screen kind, opened by the screen-opening rule
    Action,           // a registered action that is not a screen (backup, restore)
    CloseMainWindow,  // the exit sequence
    CloseLauncher,    // the launcher's own last button
    Nothing,          // a button without action
};

struct Target {
    TargetKind kind = TargetKind::Nothing;
    QString name;                 // screen class (`TfFee0010`) or action name (`Backup`)
    PageForm form = PageForm::None;
    int page = 0;                 // from 1, in the order the screen shows its pages
    bool busyCursor = false;      // show the busy cursor before opening
    bool cashGate = false;        // CheckCashClosing must pass first
    bool maximized = false;       // open (or bring to front) maximized
    bool noSuspend = false;       // created without suspending the main window's drawing
    QString firstButtonCaption;   // the leave screen's mode word, when set
};

struct MenuEntry {
    QStringList path;             // the captions below the menu: {"신규등록", "입관원서"}
    Target target;
};

struct Menu {
    QString caption;
    QList<MenuEntry> entries;     // in menu order, separators omitted
};

struct Button {
    QString caption;
    Target target;
};

struct Launcher {
    QString screen;               // `TfSM_input` …
    QString title;                // "등 록 업 무" …
    QList<Button> buttons;        // grid order, row by row, three columns; blank fillers not listed
};

const QList<Menu>& menus();
const QList<Button>& toolbar();
const QList<Launcher>& launchers();
const Launcher* launcher(const QString& screen);

// Builders that keep the tables short.
Target screen(const QString& name, PageForm form = PageForm::None, int page = 0);
Target action(const QString& name);
Target closeMainWindow();
Target closeLauncher();
Target nothing();
Target busy(Target target);
Target gated(Target target);
Target maximized(Target target);
Target unsuspended(Target target);
Target withFirstButton(Target target, const QString& caption);

}
