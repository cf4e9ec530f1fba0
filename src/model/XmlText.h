// Escaping of text inside attribute values: the numeric references the
// writer produces and the references and entities the reader resolves.
// Both work on bytes; no code page conversion happens here.
#pragma once

#include <string>
#include <string_view>

namespace orv {

class Value;

// Double quote, ampersand, less-than, greater-than, line feed and carriage
// return become decimal references ("&#34;" ...); the six characters "&quot;"
// become "&#34;" as well. NUL becomes "&#0;" in texts shorter than
// kShortTextLength and a blank in longer ones. Other bytes are copied.
std::string EncodeXMLText(std::string_view text);

// One pass, left to right: "&#N;" becomes the byte N (low 8 bits; N as the
// platform's StrToInt reads it, so "&#x41;" is "A" too), "&quot;", "&amp;",
// "&lt;" and "&gt;" their characters; any other ampersand stays, as does a
// reference without its ';'. A reference that is not an integer raises the
// platform's integer conversion error.
std::string DecodeXMLText(std::string_view text);

// A variant's value as attribute text: integers in decimal, floats and
// currency by the platform's general format (locale decimal separator),
// date-times as the platform's date (and time, unless midnight), Booleans
// as "1" / "0", texts escaped (wide ones in the system code page); Empty,
// Null, objects and arrays give the empty text.
std::string VariantToXMLText(const Value& value);

} // namespace orv
