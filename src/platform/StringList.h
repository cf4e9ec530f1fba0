// An ordered list of text lines that also serves as a name=value list:
// the name is what stands before the first '=', compared without letter case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TStringList {
public:
    std::size_t Count() const { return FLines.size(); }
    const std::string& operator[](std::size_t i) const { return FLines[i]; }
    const std::vector<std::string>& Lines() const { return FLines; }

    void Add(std::string line) { FLines.push_back(std::move(line)); }
    void Delete(std::size_t i) { FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(i)); }
    void Clear() { FLines.clear(); }

    // Index of the first line whose name matches, or -1.
    long IndexOfName(std::string_view name) const;
    std::string Names(std::size_t i) const;
    std::string ValueFromIndex(std::size_t i) const;

    // The value of the first entry of that name; empty when there is none.
    std::string Values(std::string_view name) const;
    // A non-empty value replaces the entry in place or appends one;
    // an empty value deletes the entry and adds nothing.
    void SetValue(std::string_view name, std::string_view value);

private:
    std::vector<std::string> FLines;
};

} // namespace orv
