// Read-only INI file: [section] headers and key=value lines, section and key
// names compared without letter case, text kept as the file's bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TIniFile {
public:
    // A file that does not exist or cannot be read reads as empty.
    explicit TIniFile(const std::string& fileName);

    const std::string& FileName() const { return FFileName; }
    bool ValueExists(std::string_view section, std::string_view key) const;
    // A key present with an empty value gives the empty text; only a missing
    // key gives the default.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

private:
    struct Entry {
        std::string section, key, value;
    };
    const Entry* Find(std::string_view section, std::string_view key) const;

    std::string FFileName;
    std::vector<Entry> FEntries;
};

} // namespace orv
