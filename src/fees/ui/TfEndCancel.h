#pragma once
#include "fees/ui/MonthPickDialog.h"

// Reopens the latest closed month.
class TfEndCancel : public MonthPickDialog {
    Q_OBJECT
public:
    explicit TfEndCancel(TfMain& mainWindow, QWidget* parent = nullptr);

protected:
    void confirm(const QString& month) override;
};
