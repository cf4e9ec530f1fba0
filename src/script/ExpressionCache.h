// One report's compiled expressions: each expression text is wrapped as a
// function of the report's script language, compiled once against the
// report's script names and kept for the rest of the run.
#pragma once

#include "platform/Exception.h"
#include "script/Evaluator.h"
#include "script/ScriptScope.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orv {

// A failure that an evaluation has already reported where it belongs (the
// report's error list): callers further out pass it on unchanged.
class ECalcError : public Exception {
public:
    using Exception::Exception;
};

class TfrxExpressionCache {
public:
    // `parent`: the report's script names, searched after the cache's own.
    explicit TfrxExpressionCache(const ScriptScope* parent);

    const std::string& Language() const { return FLanguage; }
    void SetLanguage(std::string language) { FLanguage = std::move(language); }
    // Forgets every compiled expression and implicitly declared variable.
    void Clear();

    // The value of `text`; on a compile or run fault, Null and the error's
    // text in `error` (an ECalcError from inside passes through).
    Value Evaluate(std::string_view text, std::string& error);

    std::size_t Count() const { return FItems.size(); }
    // How many texts were compiled since the cache was made.
    std::size_t Compilations() const { return FCompilations; }

    // The text wrapped as function number `n` of `language`.
    static std::string Wrap(std::string_view language, std::size_t n, std::string_view text);

private:
    std::shared_ptr<const CompiledExpression> Compile(std::string_view text, std::string& error);

    ScriptScope FScope;
    std::string FLanguage = "PascalScript";
    // Texts compare exactly: 'a' and 'A' are different expressions.
    std::unordered_map<std::string, std::shared_ptr<const CompiledExpression>> FItems;
    std::size_t FCompilations = 0;
};

} // namespace orv
