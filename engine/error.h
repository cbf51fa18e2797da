#pragma once

#include <string>

// The one exception the engine throws; the GUI shows its message.
class error {
public:
    explicit error(std::string message) : message_(std::move(message)) {}
    const std::string& message() const { return message_; }

private:
    std::string message_;
};
