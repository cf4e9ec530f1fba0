// Fixed texts of expression evaluation, as formats for Format
// (platform/StringFormat.h). The report's own messages are Spanish; the
// faults of values and arithmetic carry the platform's English texts.
#pragma once

namespace orv::evalmsg {

// Completed with the expression text and the compiler's message.
inline constexpr const char* ExpressionError = "Error en la expresi\xF3n '%s': %s";
// Completed with the name.
inline constexpr const char* UndeclaredIdentifier = "Identificador no declarado: '%s'";
inline constexpr const char* IncompatibleTypes = "Tipos incompatibles";
inline constexpr const char* NotEnoughParams = "Faltan par\xE1metros";
inline constexpr const char* TooManyParams = "Sobran par\xE1metros";
inline constexpr const char* NotAssignable = "El lado izquierdo no se puede asignar a";
// Completed with the type name.
inline constexpr const char* UnknownType = "Tipo desconocido: '%s'";
// Completed with the name that nothing resolves.
inline constexpr const char* UnknownVariable = "Variable o campo desconocido: %s";
// Prefix of the message of a Calc that a script asked for.
inline constexpr const char* ScriptCalcError = "Error en expresi\xF3n de c\xE1lculo:";
// A wrapped expression text that holds more than one expression (the text
// closed the function and went on with statements of its own).
inline constexpr const char* NotAnExpression = "el texto no es una sola expresi\xF3n";
// Completed with the limit.
inline constexpr const char* CalcTooDeep = "Demasiados c\xE1lculos anidados (m\xE1s de %d)";
// Completed with the function name.
inline constexpr const char* AggregateOutsideRun = "%s s\xF3lo se puede calcular mientras se prepara el informe";
// Completed with the object name.
inline constexpr const char* ObjectGone = "El objeto '%s' ya no existe";
// Completed with the class name.
inline constexpr const char* OleNotAvailable = "No hay objetos OLE en esta plataforma: %s";
// Completed with the limit.
inline constexpr const char* ArrayTooLarge = "Una matriz no puede tener m\xE1s de %d elementos";

// The platform's texts for faults of values and arithmetic.
inline constexpr const char* FloatDivByZero = "Floating point division by zero";
inline constexpr const char* IntDivByZero = "Division by zero";
inline constexpr const char* IntOverflow = "Integer overflow";
inline constexpr const char* FloatOverflow = "Floating point overflow";
inline constexpr const char* InvalidFloatOp = "Invalid floating point operation";
inline constexpr const char* InvalidVariantOp = "Invalid variant operation";
inline constexpr const char* RangeError = "Range check error";
// Completed with the value's kind and the target type.
inline constexpr const char* CannotConvert = "Could not convert variant of type (%s) into type (%s)";

} // namespace orv::evalmsg
