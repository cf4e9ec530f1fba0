// An ordered list of UTF-16 lines: the text of a memo.
#pragma once

#include "model/Persistent.h"

#include <string>
#include <vector>

namespace orv {

class TWideStrings : public TPersistent {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    std::size_t Count() const { return FLines.size(); }
    const std::vector<std::u16string>& Lines() const { return FLines; }
    // Fails with "Wide String Out of Bounds" outside 0..Count-1.
    const std::u16string& Get(std::size_t index) const;
    // Index Count appends; beyond it fails with "Wide String Out of Bounds".
    void Put(std::size_t index, std::u16string line);

    void Add(std::u16string line) { FLines.push_back(std::move(line)); }
    void Insert(std::size_t index, std::u16string line);
    void Delete(std::size_t index);
    void Clear() { FLines.clear(); }

    // Every line followed by CR LF.
    std::u16string Text() const;
    // Clears the list and splits at NUL, LF, CR or U+2028; CR LF (and a
    // U+2028 right behind a CR or CR LF) is one break; a final break adds no
    // empty line.
    void SetText(std::u16string_view text);

    friend bool operator==(const TWideStrings& a, const TWideStrings& b) { return a.FLines == b.FLines; }

private:
    std::vector<std::u16string> FLines;
};

} // namespace orv
