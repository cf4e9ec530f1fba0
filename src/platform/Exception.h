// The error type of the whole system: an exception that carries the message
// text that logs and message boxes show.
#pragma once

#include <stdexcept>
#include <string>

namespace orv {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    const std::string message() const { return what(); }
};

} // namespace orv
