// The names a compiled expression can see: variables, constants, functions,
// objects and classes, in scopes chained from the innermost (an expression
// cache's own implicit variables) through the report's script to the names
// registered for every script.
#pragma once

#include "script/FunctionLibrary.h"
#include "script/ScriptTypes.h"
#include "script/Value.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace orv {

class TClassInfo;
class TComponent;
class TObject;

struct ScriptVariable {
    std::string name;
    Value value = Value::Null();
    ScriptType type = ScriptType::Variant;
};

struct Symbol {
    enum class Kind { Constant, Variable, Function, Object, Class };
    Symbol() = default;
    Symbol(Kind k, std::string n) : kind(k), name(std::move(n)) {}

    Kind kind = Kind::Constant;
    std::string name;
    Value constant;                          // Constant
    ScriptType type = ScriptType::Variant;   // Constant, Variable
    ScriptVariable* variable = nullptr;      // Variable
    const FunctionEntry* function = nullptr; // Function
    TObject* object = nullptr;               // Object
    TComponent* component = nullptr;         // Object, when it is a component (followed by its life)
    const TClassInfo* cls = nullptr;         // Object (its class, when known), Class
};

class ScriptScope {
public:
    explicit ScriptScope(const ScriptScope* parent = nullptr) : FParent(parent) {}
    virtual ~ScriptScope() = default;
    ScriptScope(const ScriptScope&) = delete;
    ScriptScope& operator=(const ScriptScope&) = delete;

    const ScriptScope* Parent() const { return FParent; }
    void SetParent(const ScriptScope* parent) { FParent = parent; }

    // Here, then in the parents; letter case does not matter.
    bool Find(std::string_view name, Symbol& out) const;
    // Only the names of this scope.
    virtual bool FindOwn(std::string_view name, Symbol& out) const;

    ScriptVariable& AddVariable(std::string_view name, ScriptType type = ScriptType::Variant);
    void AddConstant(std::string_view name, Value value);
    void AddFunction(FunctionEntry entry);
    void AddObject(std::string_view name, TObject* object, const TClassInfo* cls);
    void AddComponent(std::string_view name, TComponent* component);
    // Everything this scope declared goes.
    void Clear();

private:
    const ScriptScope* FParent;
    std::map<std::string, Symbol> FSymbols;  // by lower-case name
    std::deque<ScriptVariable> FVariables;   // stable addresses
    std::deque<FunctionEntry> FFunctions;
};

// The names every script sees: True, False, nil, Null, the built-in library,
// the registered classes and frxGlobalVariables.
const ScriptScope& GlobalScriptScope();

// Methods that scripts may call on objects of a class (and its descendants).
struct ScriptMethod {
    RoutineDecl decl;
    std::function<Value(TObject& self, CallArgs& args)> impl;
};
void RegisterScriptMethod(const TClassInfo& cls, std::string_view declaration,
                          std::function<Value(TObject& self, CallArgs& args)> impl);
// The method of that name of the class or its nearest ancestor, or none.
const ScriptMethod* FindScriptMethod(const TClassInfo& cls, std::string_view name);

} // namespace orv
