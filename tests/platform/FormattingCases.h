// Helpers shared by the formatting tests: one picture case of a table, and
// the message of the error a call raises.
#pragma once

#include "platform/Exception.h"

#include <ostream>
#include <string>

namespace orv::testing_support {

template <typename Value>
struct PictureCase {
    const char* picture;
    Value value;
    const char* expected;

    friend std::ostream& operator<<(std::ostream& out, const PictureCase& c) {
        return out << '"' << c.picture << "\" -> \"" << c.expected << '"';
    }
};

// The text of the orv::Exception that f raises, or "(no exception)".
template <typename F>
std::string MessageOf(F&& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(no exception)";
}

} // namespace orv::testing_support
