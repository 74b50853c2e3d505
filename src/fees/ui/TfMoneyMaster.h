#pragma once
#include "fees/MonthClosing.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class TfMain;

// The cash book's initial values: the start month and the cumulative income
// and expense before it. Once a month after the start has been closed the
// set-up can no longer be changed.
class TfMoneyMaster : public QWidget {
    Q_OBJECT
public:
    explicit TfMoneyMaster(TfMain& mainWindow, QWidget* parent = nullptr);

public slots:
    void btnEditClick();
    void btnQueryClick();
    void btnOkClick();
    void btnCancelClick();

private:
    void load();
    void setEditing(bool editing);
    QLineEdit* field(MonthClosing::Field field) const;

    TfMain& mainWindow_;
    QLineEdit* edtStartMonth_;
    QLineEdit* edtIncome_;
    QLineEdit* edtExpense_;
    QPushButton* btnEdit_;
    QPushButton* btnQuery_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
    int rows_ = 0;
};
