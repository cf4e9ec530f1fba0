// The report dataset layer's message texts (Windows-1252).
#pragma once

namespace orv::datamsg {

// Formatted with the dataset's component name.
inline constexpr const char* NotConnected = "El DataSet %s no est\xE1 conectado a datos";
// Followed by a blank and UserName."field".
inline constexpr const char* FieldNotFound = "Campo no encontrado:";

} // namespace orv::datamsg
