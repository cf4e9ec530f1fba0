// The program's forms and data modules: top-level components that other
// components (datasets, connections) live in, and that template references
// may name with a dotted prefix ("DM1.Cabecera").
#pragma once

#include <string_view>

namespace orv {

class TComponent;

// A module is known by name while it is registered.
void RegisterModule(TComponent& module);
void UnregisterModule(TComponent& module);
// The registered module of that name, ignoring letter case, or none.
TComponent* FindModule(std::string_view name);
bool IsModule(const TComponent* component);

// Registers a module for the lifetime of this object.
class TModuleRegistration {
public:
    explicit TModuleRegistration(TComponent& module) : FModule(module) { RegisterModule(module); }
    ~TModuleRegistration() { UnregisterModule(FModule); }
    TModuleRegistration(const TModuleRegistration&) = delete;
    TModuleRegistration& operator=(const TModuleRegistration&) = delete;

private:
    TComponent& FModule;
};

} // namespace orv
