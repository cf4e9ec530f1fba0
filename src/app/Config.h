// The job's shared state (parameters, result flag, log switch, template name)
// and the safe integer conversions its stages use.
#pragma once

#include "platform/NumberFormat.h"
#include "platform/StringList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TDM1;

extern TStringList JobParams;
extern bool LogEnabled;
extern std::int32_t ErrorFlag;
extern std::string TemplateName;
extern std::unique_ptr<TDM1> DM1;

// 0 for any text that does not convert; never fails.
std::int32_t StrToIntSafe(std::string_view text);
// The same texts as StrToIntSafe (TryStrToInt of the platform); any other text
// raises an error.
std::int32_t StrToIntStrict(std::string_view text);

// Fills the parameter list from the arguments: every "-name" takes the next
// argument as its value; "-log" is a switch. `log` receives one line per parameter.
void ReadParameters(const std::vector<std::string>& args, TStringList& params,
                    const std::function<void(const std::string&)>& log);

} // namespace orv
