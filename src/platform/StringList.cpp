#include "platform/StringList.h"

#include "platform/Text.h"

namespace orv {

std::string TStringList::Names(std::size_t i) const {
    const std::string& line = FLines[i];
    std::size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStringList::ValueFromIndex(std::size_t i) const {
    const std::string& line = FLines[i];
    std::size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

long TStringList::IndexOfName(std::string_view name) const {
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        std::size_t eq = FLines[i].find('=');
        if (eq != std::string::npos && SameText(std::string_view(FLines[i]).substr(0, eq), name))
            return static_cast<long>(i);
    }
    return -1;
}

std::string TStringList::Values(std::string_view name) const {
    long i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(static_cast<std::size_t>(i));
}

void TStringList::SetValue(std::string_view name, std::string_view value) {
    long i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(static_cast<std::size_t>(i));
        return;
    }
    std::string line = std::string(name) + "=" + std::string(value);
    if (i >= 0)
        FLines[static_cast<std::size_t>(i)] = std::move(line);
    else
        FLines.push_back(std::move(line));
}

} // namespace orv
