#pragma once
#include <QString>

// The keyboard's conversion state as the screens ask for it: "KOREA" turns a
// Latin state into Hangul, "ENGLISH" turns Hangul into Latin; any other state
// or word leaves it alone. Screens call it on entering and leaving fields
// meant for Latin letters (English names).
class InputMode {
public:
    enum Conversion { Latin = 0, Hangul = 1 };

    Conversion conversion() const { return conversion_; }
    // Returns true when the state changed.
    bool apply(const QString& mode);

private:
    Conversion conversion_ = Latin;
};
