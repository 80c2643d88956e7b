#pragma once
// The framework's exceptions and the message texts users see from them.

#include <string>
#include <string_view>

#include "base/error.h"

namespace korvane {

// Assigning between persistent objects that cannot copy each other.
class EConvertError : public Error {
public:
    using Error::Error;
};

// A checked cast to a class the object does not belong to.
class EInvalidCast : public Error {
public:
    EInvalidCast() : Error("Invalid class typecast") {}
};

// Invalid or duplicate component names.
class EComponentError : public Error {
public:
    using Error::Error;
};

// An index outside a list or collection: "List index out of bounds (<index>)".
class EListError : public Error {
public:
    explicit EListError(long long index);
};

// A class name that was never registered: "Class <name> not found".
class EClassNotFound : public Error {
public:
    explicit EClassNotFound(std::string_view name);
};

// A stored layout that cannot be read; the message carries the line and column.
class EReadError : public Error {
public:
    using Error::Error;
};

// Stream failures: files that cannot be created or opened, short reads and writes.
class EStreamError : public Error {
public:
    using Error::Error;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EReadStreamError : public EStreamError {
public:
    EReadStreamError() : EStreamError("Stream read error") {}
};
class EWriteStreamError : public EStreamError {
public:
    EWriteStreamError() : EStreamError("Stream write error") {}
};

// "Cannot assign a <source class> to a <target class>"; a null source is named "nil".
[[noreturn]] void ThrowCannotAssign(std::string_view source_class, std::string_view target_class);

}  // namespace korvane
