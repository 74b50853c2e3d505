#pragma once
#include "shell/ui/Messages.h"
#include "shell/ui/TfMain.h"
#include "support/TestData.h"

#include <QAction>
#include <QDate>

#include <gtest/gtest.h>

#include <memory>

// Screen tests run inside a real main window on a fresh data file. Message
// boxes are answered by `answer` and recorded in `shown`; the clock is pinned
// to `today` while the test runs.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void start(const QDate& today = QDate());   // builds and shows the main window
    QAction* menuEntry(const QStringList& path) const;   // {"기  타", "월마감취소"}
    QStringList texts() const;                  // the texts of the boxes shown so far
    static void flushDeletes();

    TestData data;
    std::unique_ptr<TfMain> main;
    QList<Messages::Shown> shown;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};
