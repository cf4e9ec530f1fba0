#include "script/ScriptScope.h"

#include "model/PropertyRegistry.h"
#include "model/Report.h"
#include "platform/Text.h"

#include <mutex>
#include <deque>
#include <vector>

namespace orv {

namespace {

// The names registered once for every script.
class GlobalScope : public ScriptScope {
public:
    GlobalScope()
    {
        AddConstant("True", Value(true));
        AddConstant("False", Value(false));
        AddConstant("nil", Value(static_cast<TObject*>(nullptr)));
        AddConstant("Null", Value::Null());
        AddObject("frxGlobalVariables", &frxGlobalVariables(), &TfrxVariables::StaticClass());
    }

    bool FindOwn(std::string_view name, Symbol& out) const override
    {
        if (ScriptScope::FindOwn(name, out))
            return true;
        if (const FunctionEntry* f = FindLibraryFunction(name)) {
            out = Symbol{Symbol::Kind::Function, f->decl.name};
            out.function = f;
            return true;
        }
        if (const TClassInfo* cls = FindClass(name)) {
            out = Symbol{Symbol::Kind::Class, cls->Name()};
            out.cls = cls;
            return true;
        }
        return false;
    }
};

struct MethodTable {
    std::mutex lock;
    std::deque<std::pair<const TClassInfo*, ScriptMethod>> methods;  // stable addresses
};

MethodTable& Methods()
{
    static MethodTable table;
    return table;
}

} // namespace

bool ScriptScope::Find(std::string_view name, Symbol& out) const
{
    for (const ScriptScope* s = this; s; s = s->FParent)
        if (s->FindOwn(name, out))
            return true;
    return false;
}

bool ScriptScope::FindOwn(std::string_view name, Symbol& out) const
{
    auto it = FSymbols.find(LowerCase(name));
    if (it == FSymbols.end())
        return false;
    out = it->second;
    return true;
}

ScriptVariable& ScriptScope::AddVariable(std::string_view name, ScriptType type)
{
    ScriptVariable& v = FVariables.emplace_back(ScriptVariable{std::string(name), Value::Null(), type});
    Symbol s{Symbol::Kind::Variable, v.name};
    s.type = type;
    s.variable = &v;
    FSymbols[LowerCase(name)] = s;
    return v;
}

void ScriptScope::AddConstant(std::string_view name, Value value)
{
    Symbol s{Symbol::Kind::Constant, std::string(name)};
    s.type = TypeOfValue(value);
    s.constant = std::move(value);
    FSymbols[LowerCase(name)] = std::move(s);
}

void ScriptScope::AddFunction(FunctionEntry entry)
{
    const FunctionEntry& f = FFunctions.emplace_back(std::move(entry));
    Symbol s{Symbol::Kind::Function, f.decl.name};
    s.function = &f;
    FSymbols[LowerCase(f.decl.name)] = std::move(s);
}

void ScriptScope::AddObject(std::string_view name, TObject* object, const TClassInfo* cls)
{
    Symbol s{Symbol::Kind::Object, std::string(name)};
    s.type = ScriptType::Object;
    s.object = object;
    s.cls = cls;
    FSymbols[LowerCase(name)] = std::move(s);
}

void ScriptScope::AddComponent(std::string_view name, TComponent* component)
{
    AddObject(name, component, &component->ClassInfo());
    FSymbols[LowerCase(name)].component = component;
}

void ScriptScope::Clear()
{
    FSymbols.clear();
    FVariables.clear();
    FFunctions.clear();
}

const ScriptScope& GlobalScriptScope()
{
    static const GlobalScope scope;
    return scope;
}

void RegisterScriptMethod(const TClassInfo& cls, std::string_view declaration,
                          std::function<Value(TObject& self, CallArgs& args)> impl)
{
    MethodTable& t = Methods();
    std::lock_guard lock(t.lock);
    t.methods.emplace_back(&cls, ScriptMethod{ParseDeclaration(declaration), std::move(impl)});
}

const ScriptMethod* FindScriptMethod(const TClassInfo& cls, std::string_view name)
{
    MethodTable& t = Methods();
    std::lock_guard lock(t.lock);
    for (const TClassInfo* c = &cls; c; c = c->Parent())
        for (const auto& [owner, method] : t.methods)
            if (owner == c && SameText(method.decl.name, name))
                return &method;
    return nullptr;
}

} // namespace orv
