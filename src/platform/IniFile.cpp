#include "platform/IniFile.h"

#include "platform/Text.h"

#include <fstream>
#include <sstream>

namespace orv {

TIniFile::TIniFile(const std::string& fileName) : FFileName(fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return;
    std::string section, line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string text = Trim(line);
        if (text.empty() || text[0] == ';') continue;
        if (text.front() == '[') {
            std::size_t close = text.find(']');
            section = Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            continue;
        }
        std::size_t eq = text.find('=');
        if (eq == std::string::npos) continue;
        FEntries.push_back({section, Trim(text.substr(0, eq)), Trim(text.substr(eq + 1))});
    }
}

const TIniFile::Entry* TIniFile::Find(std::string_view section, std::string_view key) const {
    for (const Entry& e : FEntries)
        if (SameText(e.section, section) && SameText(e.key, key)) return &e;
    return nullptr;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    const Entry* e = Find(section, key);
    return e ? e->value : std::string(defaultValue);
}

} // namespace orv
