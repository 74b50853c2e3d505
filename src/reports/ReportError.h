#pragma once
#include <QString>

#include <stdexcept>

// A template that is missing or cannot be read. The message names the file,
// so the person printing knows which one to look at.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
