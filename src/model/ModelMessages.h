// The report model's message texts: the report resources by their keys, and
// the texts of the component and property layer beneath them.
#pragma once

namespace orv::msg {

// Report resources
inline constexpr const char* prDupl = "Nombre Duplicado";
inline constexpr const char* clCantRen = "No se puede renombrar %s, se ha instroducido en el informe ascendiente";
inline constexpr const char* prDefault = "Por defecto";
inline constexpr const char* InvalidUserName = "Valor no v\xE1lido";

// Reading and writing templates
inline constexpr const char* xrCantFindClass = "Clase no encontrada";
inline constexpr const char* MissingReference = "Missing %s";
inline constexpr const char* InvalidBinaryData = "Invalid binary data in %s";
inline constexpr const char* NoStreamToRead = "The serializer has no stream to read from";
inline constexpr const char* NoStreamToWrite = "The serializer has no stream to write to";

// Lists
inline constexpr const char* WideStringOutOfBounds = "Wide String Out of Bounds";

// Components and classes
inline constexpr const char* InvalidComponentName = "'%s' is not a valid component name";
inline constexpr const char* DuplicateComponentName = "A component named %s already exists";
inline constexpr const char* ClassNotFound = "Class %s not found";
inline constexpr const char* NotAComponentClass = "Class %s cannot be created as a report component";
inline constexpr const char* CircularParent = "%s cannot be placed inside itself";

// Properties
inline constexpr const char* InvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* InvalidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* InvalidPropertyValue = "Invalid value '%s' for property %s";
inline constexpr const char* PropertyKindMismatch = "Property %s is not of kind %s";
inline constexpr const char* ReadOnlyProperty = "Property %s cannot be assigned";
inline constexpr const char* WrongReferenceClass = "Property %s cannot refer to %s";

} // namespace orv::msg
