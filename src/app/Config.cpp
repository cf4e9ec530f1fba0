#include "app/Config.h"

#include "app/DataModule.h"
#include "app/JobMessages.h"
#include "platform/Exception.h"
#include "platform/Text.h"

#include <algorithm>

namespace orv {

TStringList JobParams;
bool LogEnabled = false;
std::int32_t ErrorFlag = 0;
std::string TemplateName;
std::unique_ptr<TDM1> DM1;

std::int32_t StrToIntSafe(std::string_view text) {
    std::int32_t value = 0;
    return TryStrToInt(text, value) ? value : 0;
}

std::int32_t StrToIntStrict(std::string_view text) {
    return StrToInt(text);
}

void ReadParameters(const std::vector<std::string>& args, TStringList& params,
                    const std::function<void(const std::string&)>& log) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty() || arg[0] != '-') continue;
        if (LowerCase(arg) == "-log") continue;
        std::string name = LowerCase(arg);
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        std::string value = i + 1 < args.size() ? Trim(args[i + 1]) : std::string();
        params.SetValue(name, value);
        log(std::string(msg::Parameter) + name + msg::ParameterSeparator + params.Values(name));
    }
}

} // namespace orv
