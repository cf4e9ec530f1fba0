// The built-in function library that every script and expression sees: one
// table of declarations with their implementations, and the call interface
// that library and report functions share.
#pragma once

#include "script/ScriptTypes.h"
#include "script/Value.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The arguments of one call, as values (a by-reference parameter is written
// back through them) or, for a macro function, as source texts.
class CallArgs {
public:
    explicit CallArgs(std::span<Value> values) : FValues(values) {}
    explicit CallArgs(std::span<const std::string> texts) : FTexts(texts) {}

    std::size_t Count() const { return FTexts.empty() ? FValues.size() : FTexts.size(); }
    Value& operator[](std::size_t i) { return FValues[i]; }
    const Value& operator[](std::size_t i) const { return FValues[i]; }
    // The source text of a macro function's argument; "" past the given ones.
    std::string Text(std::size_t i) const { return i < FTexts.size() ? FTexts[i] : std::string(); }

    // Converted as the parameter's declared type asks.
    std::string Str(std::size_t i) const { return VarToStr(FValues[i]); }
    std::int64_t Int(std::size_t i) const { return VarToInt64(FValues[i]); }
    double Float(std::size_t i) const { return VarToFloat(FValues[i]); }
    bool Bool(std::size_t i) const { return VarToBool(FValues[i]); }

private:
    std::span<Value> FValues;
    std::span<const std::string> FTexts;
};

using NativeFunction = std::function<Value(CallArgs&)>;

struct FunctionEntry {
    RoutineDecl decl;
    NativeFunction impl;
};

// The declaration read, with its implementation.
FunctionEntry MakeFunction(std::string_view declaration, NativeFunction impl);

// Every built-in function, in the order of the table.
const std::vector<FunctionEntry>& FunctionLibrary();
// By name, ignoring letter case; none when the library has no such function.
const FunctionEntry* FindLibraryFunction(std::string_view name);

// The local clock as a date-time.
double CurrentDateTime();

// Upper- and lower-case of Windows-1252 text, accented letters included.
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

} // namespace orv
