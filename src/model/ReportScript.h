// The report's script environment as expressions see it: the report's
// objects under their names, Report, the variables Value and Self, the report
// functions (Get, Set, IIF and the aggregates) and the expression cache,
// whose names come after these.
#pragma once

#include "script/ExpressionCache.h"
#include "script/ScriptScope.h"

namespace orv {

class TfrxReport;

// Adds one to a counter for its lifetime (nesting depths, quiet sections).
class ScopedIncrement {
public:
    explicit ScopedIncrement(int& counter) : FCounter(counter) { ++FCounter; }
    ~ScopedIncrement() { --FCounter; }
    ScopedIncrement(const ScopedIncrement&) = delete;
    ScopedIncrement& operator=(const ScopedIncrement&) = delete;

private:
    int& FCounter;
};

class TfrxReportScript : public ScriptScope {
public:
    explicit TfrxReportScript(TfrxReport& report);

    // Report objects are found by name when asked for, so that objects added
    // after the environment was made are seen too.
    bool FindOwn(std::string_view name, Symbol& out) const override;

    TfrxExpressionCache& Cache() { return FCache; }
    ScriptVariable& ValueVariable() { return *FValue; }
    ScriptVariable& SelfVariable() { return *FSelf; }

private:
    void AddReportFunctions();

    TfrxReport& FReport;
    ScriptVariable* FValue = nullptr;
    ScriptVariable* FSelf = nullptr;
    TfrxExpressionCache FCache{this};
};

} // namespace orv
