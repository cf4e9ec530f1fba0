// Compiled expressions: an expression of a syntax tree checked against the
// static type rules and turned into a flat list of instructions that a
// small stack machine runs. Neither compiling nor running recurses with the
// length of an operator chain; compiling recurses only with the nesting of
// the tree, which the parser bounds.
#pragma once

#include "model/Persistent.h"
#include "script/ScriptScope.h"
#include "script/ScriptTypes.h"
#include "script/Value.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TfrxXMLItem;
class TPropInfo;

class CompiledExpression {
public:
    // Runs the instructions; a fault raises orv::Exception with its message.
    Value Run() const;
    ScriptType Type() const { return FType; }

private:
    friend class ExpressionCompiler;

    enum class Op {
        PushConst,    // a: constant
        PushVar,      // a: variable
        PushObject,   // a: object
        GetProp,      // a: property; pops the object
        GetMember,    // a: name; pops the object, finds the property by name
        CallMethod,   // a: method, b: argument count; pops the arguments, then the object
        Index,        // b: index count; pops the indexes, then the indexed value
        Call,         // a: function, b: argument count
        CallMacro,    // a: function, b: texts
        Binary,       // a: VarOp
        Compare,      // a: comparison
        Not,
        Negate,
        JumpIfFalse,  // a: target; short-circuit and: a False left side is the result
        JumpIfTrue,   // a: target; short-circuit or
        In,           // pops the array, then the value
        IsClass,      // a: class
        MakeArray,    // b: element count
    };
    struct Instr {
        Op op;
        int a = 0;
        int b = 0;
    };
    struct ObjectRef {
        std::string name;
        TObject* object = nullptr;
        TComponentLink<TComponent> component;  // set for components: reads none once destroyed
        bool isComponent = false;
    };

    std::vector<Instr> FCode;
    std::vector<Value> FConstants;
    std::vector<ScriptVariable*> FVariables;
    std::vector<ObjectRef> FObjects;
    std::vector<const TPropInfo*> FProps;
    std::vector<std::string> FNames;
    std::vector<const FunctionEntry*> FFunctions;
    std::vector<const struct ScriptMethod*> FMethods;
    std::vector<std::vector<std::string>> FTexts;
    std::vector<const TClassInfo*> FClasses;
    ScriptType FType = ScriptType::Variant;
    std::size_t FMaxStack = 0;
};

// Compiles the `expr` element of a syntax tree. `source` is the text the
// tree was parsed from (macro functions receive their arguments' texts out
// of it). Names are looked up in `scope` and its parents; an undeclared one
// is an error, or, with `declareVars` false, a new variable of `scope`.
// Fails with orv::Exception carrying the compiler's message.
std::shared_ptr<const CompiledExpression> CompileExpression(const TfrxXMLItem& expr, std::string_view source,
                                                            ScriptScope& scope, bool declareVars);

} // namespace orv
