#pragma once
#include <QDate>
#include <QWidget>

class QDateEdit;
class TfMain;

// The two small month-end windows share their frame: a title panel, one
// month picker that starts on the first day of the previous month, and
// "확     인" / "종     료". The subclass does the work of "확     인".
class MonthPickDialog : public QWidget {
    Q_OBJECT
public:
    Q_INVOKABLE void setMonth(const QDate& firstDay);
    QString month() const;   // "yyyymm" of the picker

public slots:
    void btnOkClick();

protected:
    MonthPickDialog(TfMain& mainWindow, const QString& caption, const QString& title, const QString& fieldLabel,
                    QWidget* parent);
    virtual void confirm(const QString& month) = 0;
    bool ask(const QString& question);      // OK/Cancel, captioned with the window's caption
    void refuse(const QString& message);    // error icon, the window's caption

    TfMain& mainWindow_;

private:
    QDateEdit* dtpMonth_;
};
