#include "fees/ui/MonthPickDialog.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/MonthKey.h"
#include "shell/ui/ActionGuard.h"
#include "shell/ui/Messages.h"
#include "shell/ui/ScreenKit.h"
#include "shell/ui/TfMain.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MonthPickDialog::MonthPickDialog(TfMain& mainWindow, const QString& caption, const QString& title,
                                 const QString& fieldLabel, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow)
{
    setWindowTitle(caption);
    setFixedSize(340, 190);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScreenKit::titlePanel(title, this));

    dtpMonth_ = new QDateEdit(this);
    dtpMonth_->setObjectName(QStringLiteral("dtpMonth"));
    dtpMonth_->setDisplayFormat(QLatin1String(DateText::kFormat));
    dtpMonth_->setCalendarPopup(true);
    dtpMonth_->setMinimumWidth(130);
    const QDate today = Clock::today();
    setMonth(QDate(today.year(), today.month(), 1).addMonths(-1));

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ScreenKit::label(fieldLabel, dtpMonth_, this));
    row->addWidget(dtpMonth_);
    row->addStretch();
    layout->addStretch();
    layout->addLayout(row);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = ScreenKit::button(QStringLiteral("확     인"), QStringLiteral("btnOk"), this);
    QPushButton* close = ScreenKit::button(QStringLiteral("종     료"), QStringLiteral("btnClose"), this);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &MonthPickDialog::btnOkClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void MonthPickDialog::setMonth(const QDate& firstDay)
{
    dtpMonth_->setDate(firstDay);
}

QString MonthPickDialog::month() const
{
    return MonthKey::fromDate(dtpMonth_->date());
}

void MonthPickDialog::btnOkClick()
{
    guardedAction(this, [this] { confirm(month()); });
}

bool MonthPickDialog::ask(const QString& question)
{
    return Messages::show(this, QMessageBox::Question, windowTitle(), question, QMessageBox::Ok | QMessageBox::Cancel)
           == QMessageBox::Ok;
}

void MonthPickDialog::refuse(const QString& message)
{
    Messages::show(this, QMessageBox::Critical, windowTitle(), message);
}
