// Text helpers over 8-bit Windows-1252 strings and UTF-16 wide strings:
// code page conversion, ASCII letter case, trimming.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// Every byte maps to one UTF-16 unit; the five bytes the code page leaves
// undefined (0x81 0x8D 0x8F 0x90 0x9D) map to the C1 controls of the same value.
std::u16string Cp1252ToUtf16(std::string_view text);

// Units without a Windows-1252 byte become '?'.
std::string Utf16ToCp1252(std::u16string_view text);

// UTF-8 for the console and the file system of this platform.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-16 to UTF-8: a surrogate pair becomes one four-byte sequence; a lone
// surrogate is kept as its own three-byte sequence, so that no text is lost.
std::string Utf16ToUtf8(std::u16string_view text);

// UTF-8 to UTF-16, the inverse of Utf16ToUtf8. A byte that does not begin a
// well-formed sequence (stray continuation, overlong form, truncated
// sequence, code point above U+10FFFF) is read as its Windows-1252
// character, so text written by older programs in the code page survives.
std::u16string Utf8ToUtf16(std::string_view text);

// Only the letters A-Z / a-z change; other bytes stay as they are.
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// Removes leading and trailing blanks and control characters (bytes <= 0x20).
std::string Trim(std::string_view text);

} // namespace orv
