// The one exception hierarchy of the program. Every failure travels as an Exception;
// the application's general error handler shows its Message.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Text conversions that do not hold a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Files that cannot be written or read.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// The text the general error handler shows for a message: a full stop is added when the
// last character sorts after ".".
std::string ErrorBoxText(const std::string& message);
