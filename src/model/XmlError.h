// The exception that a malformed document text ends in: its message is always
// "Invalid file format"; the kind of fault and the byte offset where reading
// stopped travel beside it for tools that point at the broken place.
#pragma once

#include "platform/Exception.h"

#include <cstdint>
#include <string>

namespace orv {

enum class XmlFault {
    NoDeclaration,
    NoRootElement,
    UnexpectedClosingTag,
    LessThanInTag,
    NulByte,
    EndOfDataInTag,
    EndOfDataInElement,
    MismatchedClosingTag,
    BadTagName,
    BadAttribute,
    TooDeep,
    TagTooLong,
};

class TfrxInvalidXMLException : public Exception {
public:
    TfrxInvalidXMLException(XmlFault fault, std::uint64_t offset);

    XmlFault Fault() const { return FFault; }
    // Offset in the stream of the byte at which the fault was found.
    std::uint64_t Offset() const { return FOffset; }
    // What was wrong, in words, with the limit where a limit was passed.
    std::string Detail() const;

private:
    XmlFault FFault;
    std::uint64_t FOffset;
};

} // namespace orv
