#include "support/MainWindowTest.h"

#include "common/Clock.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

void MainWindowTest::SetUp()
{
    Messages::setPresenter([this](const Messages::Shown& box, QMessageBox::StandardButtons) {
        shown << box;
        return answer;
    });
}

void MainWindowTest::TearDown()
{
    if (main)
        main->close();
    main.reset();
    flushDeletes();
    Messages::setPresenter({});
    Clock::setToday(QDate());
}

void MainWindowTest::start(const QDate& today)
{
    Clock::setToday(today);
    main = std::make_unique<TfMain>(data.session());
    main->show();
    QApplication::setActiveWindow(main.get());   // focus changes need an active window
    QCoreApplication::processEvents();
}

QAction* MainWindowTest::menuEntry(const QStringList& path) const
{
    QList<QAction*> level = main->menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* action : level)
            if (action->text() == caption)
                found = action;
        if (!found)
            return nullptr;
        level = found->menu() ? found->menu()->actions() : QList<QAction*>();
    }
    return found;
}

QStringList MainWindowTest::texts() const
{
    QStringList out;
    for (const Messages::Shown& box : shown)
        out << box.text;
    return out;
}

void MainWindowTest::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
