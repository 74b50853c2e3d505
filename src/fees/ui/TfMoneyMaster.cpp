#include "fees/ui/TfMoneyMaster.h"

#include "shell/ui/ActionGuard.h"
#include "shell/ui/Messages.h"
#include "shell/ui/ScreenKit.h"
#include "shell/ui/TfMain.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
QLineEdit* numberField(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9,]{0,15}")), edit));
    edit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    return edit;
}
}

TfMoneyMaster::TfMoneyMaster(TfMain& mainWindow, QWidget* parent) : QWidget(parent), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("금전출납초기값 설정"));
    setFixedSize(470, 280);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScreenKit::titlePanel(QStringLiteral("금 전 출 납 초 기 값 설 정"), this));

    edtStartMonth_ = new QLineEdit(this);
    edtStartMonth_->setObjectName(QStringLiteral("edtStartMonth"));
    edtStartMonth_->setMaxLength(6);
    edtStartMonth_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), edtStartMonth_));
    edtIncome_ = numberField(QStringLiteral("edtIncome"), this);
    edtExpense_ = numberField(QStringLiteral("edtExpense"), this);

    auto* form = new QFormLayout;
    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(edtStartMonth_);
    monthRow->addWidget(new QLabel(QStringLiteral("(YYYYMM)"), this));
    form->addRow(ScreenKit::label(QStringLiteral("시작 년월:"), edtStartMonth_, this), monthRow);
    form->addRow(ScreenKit::label(QStringLiteral("입금 누계:"), edtIncome_, this), edtIncome_);
    form->addRow(ScreenKit::label(QStringLiteral("출금 누계:"), edtExpense_, this), edtExpense_);
    layout->addLayout(form);
    auto* note = new QLabel(QStringLiteral("1회 이상 마감된 경우에는 수정 불가능 합니다."), this);
    note->setStyleSheet(QStringLiteral("color: #a01818;"));
    layout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    btnEdit_ = ScreenKit::button(QStringLiteral("수     정"), QStringLiteral("btnEdit"), this);
    btnQuery_ = ScreenKit::button(QStringLiteral("조     회"), QStringLiteral("btnQuery"), this);
    btnOk_ = ScreenKit::button(QStringLiteral("확     인"), QStringLiteral("btnOk"), this);
    btnCancel_ = ScreenKit::button(QStringLiteral("취     소"), QStringLiteral("btnCancel"), this);
    QPushButton* close = ScreenKit::button(QStringLiteral("종     료"), QStringLiteral("btnClose"), this);
    for (QPushButton* b : {btnEdit_, btnQuery_, btnOk_, btnCancel_, close})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(btnEdit_, &QPushButton::clicked, this, &TfMoneyMaster::btnEditClick);
    connect(btnQuery_, &QPushButton::clicked, this, &TfMoneyMaster::btnQueryClick);
    connect(btnOk_, &QPushButton::clicked, this, &TfMoneyMaster::btnOkClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TfMoneyMaster::btnCancelClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    load();
}

void TfMoneyMaster::load()
{
    guardedAction(this, [this] {
        MonthClosing closing(mainWindow_.session());
        rows_ = closing.rowCount();
        const MonthClosing::Opening first = closing.firstRow();
        edtStartMonth_->setText(first.startMonth);
        edtIncome_->setText(first.income);
        edtExpense_->setText(first.expense);
    });
    setEditing(false);
}

// Only the first set-up, before any month after it is closed, can change.
void TfMoneyMaster::setEditing(bool editing)
{
    for (QLineEdit* edit : {edtStartMonth_, edtIncome_, edtExpense_})
        edit->setEnabled(editing);
    btnEdit_->setEnabled(!editing && rows_ <= 1);
    btnQuery_->setEnabled(!editing && rows_ <= 1);
    btnOk_->setEnabled(editing);
    btnCancel_->setEnabled(editing);
}

QLineEdit* TfMoneyMaster::field(MonthClosing::Field which) const
{
    switch (which) {
    case MonthClosing::Field::StartMonth:
        return edtStartMonth_;
    case MonthClosing::Field::Income:
        return edtIncome_;
    case MonthClosing::Field::Expense:
        return edtExpense_;
    case MonthClosing::Field::None:
        break;
    }
    return nullptr;
}

void TfMoneyMaster::btnEditClick()
{
    setEditing(true);
    edtStartMonth_->setFocus();
}

void TfMoneyMaster::btnQueryClick()
{
    load();
}

void TfMoneyMaster::btnOkClick()
{
    const MonthClosing::Opening opening{edtStartMonth_->text(), edtIncome_->text(), edtExpense_->text()};
    guardedAction(this, [&] {
        MonthClosing closing(mainWindow_.session());
        const MonthClosing::Refusal refusal = closing.validateOpening(opening);
        if (refusal.refused()) {
            Messages::error(this, refusal.message, QStringLiteral("확인"));
            if (QLineEdit* edit = field(refusal.field))
                edit->setFocus();
            return;
        }
        closing.saveOpening(opening);
        mainWindow_.refreshLastClosedMonth();
        load();
    });
}

void TfMoneyMaster::btnCancelClick()
{
    load();
}
