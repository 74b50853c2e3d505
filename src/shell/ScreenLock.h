#pragma once
#include <QString>

class Session;

// The password locks of the dojang record: the main screen, the fee screen
// and the cash book each have a password column and a switch column.
// A screen is locked only when the record exists, its password is set and
// its switch is "1". The password is compared by the engine, as stored.
class ScreenLock {
public:
    static ScreenLock mainScreen();
    static ScreenLock feeScreen();
    static ScreenLock cashBook();

    bool isLocked(Session& session) const;
    bool accepts(Session& session, const QString& typed) const;

private:
    ScreenLock(QString passwordColumn, QString switchColumn, bool requireSwitchOnAccept);

    QString passwordColumn_;
    QString switchColumn_;
    bool requireSwitchOnAccept_;
};
