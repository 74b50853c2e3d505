#pragma once
#include "fees/ui/MonthPickDialog.h"

// Closes the month of its picker.
class TfEndYesNo : public MonthPickDialog {
    Q_OBJECT
public:
    explicit TfEndYesNo(TfMain& mainWindow, QWidget* parent = nullptr);

protected:
    void confirm(const QString& month) override;
};
