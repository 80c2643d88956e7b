#pragma once
// The root of the system's exceptions. what() is the message text exactly as
// the user sees it (UTF-8), without a trailing full stop: the application's
// error box adds that.

#include <stdexcept>
#include <string>

namespace korvane {

// The text for memory the system would not give.
inline constexpr const char* kOutOfMemory = "Out of system resources";

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Outside bytes that do not hold what their format promises.
class DecodeError : public Error {
public:
    using Error::Error;
};

}  // namespace korvane
