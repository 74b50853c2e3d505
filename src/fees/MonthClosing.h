#pragma once
#include <QDate>
#include <QString>

class Session;

// Month-end closing of the cash book. The closing table holds an unbroken
// run of months: the start month (closed, with the opening cumulative
// totals), closed months, and exactly one open month after the latest closed
// one. Closing freezes a month's totals and opens the next; cancelling
// reopens the latest closed month. Each runs in one transaction. Refusals
// come back as the message to show; an empty text means "go ahead".
class MonthClosing {
public:
    struct Opening {
        QString startMonth;   // "yyyymm"
        QString income;       // cumulative income before the start
        QString expense;      // cumulative expense before the start
    };
    enum class Field { None, StartMonth, Income, Expense };
    struct Refusal {
        QString message;
        Field field = Field::None;
        bool refused() const { return !message.isEmpty(); }
    };
    struct Gate {
        enum class Outcome { Pass, NeedsSetUp, NeedsClosing } outcome = Outcome::Pass;
        QString month;        // the month to close first, "yyyymm"
        QString message;
    };

    explicit MonthClosing(Session& session) : session_(session) {}

    static QString dashed(const QString& month);   // "200903" -> "2009-03"

    // The initial values.
    int rowCount() const;
    Opening firstRow() const;
    Refusal validateOpening(const Opening& opening) const;
    void saveOpening(const Opening& opening);

    // Closing and cancelling; the refusals are checked in the order a person
    // would be told.
    QString closeRefusal(const QString& month, const QDate& today) const;
    void close(const QString& month);
    QString cancelRefusal(const QString& month) const;
    void cancel(const QString& month);

    // Whether the cash book may open today; otherwise what must be done first.
    Gate gate(const QDate& today) const;

private:
    int count(const QString& condition, const QString& month) const;
    void insertOpenMonth(const QString& month, qint64 income, qint64 expense);

    Session& session_;
};
