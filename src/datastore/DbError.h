#pragma once
#include <QString>

#include <stdexcept>

// A statement the engine refused. It carries the engine's own message, which
// is what the user is shown; the action that ran the statement ends there.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
