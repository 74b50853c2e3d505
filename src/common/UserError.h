#pragma once
#include <QString>

#include <stdexcept>

// A failure whose message is meant for the person at the screen: the action
// that raised it ends, and the message is shown as it stands.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
