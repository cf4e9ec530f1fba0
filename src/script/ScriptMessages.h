// Fixed texts of the script parser that do not come from a grammar: the
// registry's lookup failure, the parser's own limits, and faults of a
// grammar document, as formats for Format (platform/StringFormat.h). Syntax
// messages proper are the grammars' own.
#pragma once

namespace orv::scriptmsg {

// Completed with the language name.
inline constexpr const char* LanguageNotFound = "Lenguaje '%s' no encontrado";

// Completed with the limit.
inline constexpr const char* NestingTooDeep = "Too many nested levels (more than %d)";
inline constexpr const char* TooComplex = "Expression or statement too complex (more than %d grammar levels)";
inline constexpr const char* TextAfterProgram = "Unexpected text after the end of the program";
// An expr element whose operands and operators do not alternate; completed with its pos.
inline constexpr const char* MalformedExpression = "Malformed expression at %s";
// The start rule failed without any of its items naming the fault.
inline constexpr const char* SyntaxError = "Syntax error";

// A start rule asked for that the language does not have; completed with both names.
inline constexpr const char* NoSuchRule = "Language '%s' has no rule '%s'";

// Faults of a grammar document, each completed with the language name and a detail.
inline constexpr const char* GrammarInvalid = "Grammar of language '%s' is invalid: %s";
inline constexpr const char* GrammarNotLanguage = "the root element is not 'language'";
inline constexpr const char* GrammarNoStartRule = "there is no rule 'program'";
inline constexpr const char* GrammarUnknownRule = "unknown rule '%s'";
inline constexpr const char* GrammarUnknownError = "unknown error '%s'";
inline constexpr const char* GrammarReservedName = "a rule may not be named '%s'";
inline constexpr const char* GrammarBadChar = "'%s' is not one punctuation character";
inline constexpr const char* GrammarBadSetting = "setting '%s' has an invalid value";

} // namespace orv::scriptmsg
