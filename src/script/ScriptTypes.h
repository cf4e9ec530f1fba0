// The static types that compiled expressions check, the names scripts use
// for them, and routine declarations ("function Copy(s: String; from, count:
// Integer): String") read into parameters and a result.
#pragma once

#include "script/Value.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TClassInfo;

enum class ScriptType {
    Variant,  // any value
    Integer,
    Float,
    Boolean,
    Char,
    String,
    Object,
    Array,
    None,  // the result of a procedure
};

// Byte, Word, Integer, ... Integer; Real ... TDateTime: Float; Variant and
// Pointer: Variant; class names: Object. Fails with "Tipo desconocido: 'X'".
ScriptType TypeOfName(std::string_view name);
bool IsNumericType(ScriptType t);  // Integer or Float
bool IsTextType(ScriptType t);     // Char or String
// The static type of a value of that kind.
ScriptType TypeOfValue(const Value& v);

struct ParamDecl {
    std::string name;
    ScriptType type = ScriptType::Variant;
    bool byRef = false;      // var
    bool hasDefault = false;
    Value defaultValue;
};

struct RoutineDecl {
    std::string name;
    bool macro = false;  // receives the source texts of its arguments
    std::vector<ParamDecl> params;
    ScriptType result = ScriptType::None;

    std::size_t MinArgs() const;
    std::size_t MaxArgs() const { return params.size(); }
};

// "function|procedure|macrofunction Name[(params)][: Type][;]", each
// parameter group "[var|const] a, b: Type [= default]". A text that is not
// such a declaration raises orv::Exception naming it.
RoutineDecl ParseDeclaration(std::string_view text);

} // namespace orv
