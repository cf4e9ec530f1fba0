// Fixed texts of the database access layer (connection and query components).
#pragma once

namespace orv::dbmsg {

inline constexpr const char* SettingsLocked = "Cannot change the connection settings while connected";
inline constexpr const char* UnknownProtocol = "Unsupported database protocol \"";  // + name + ProtocolHint
inline constexpr const char* ProtocolHint = "\"; use firebird-1.5, firebird-2.0, firebird-2.1, firebird-2.5 or firebird-3.0";
inline constexpr const char* PortOutOfRange = "Port out of range (0 to 65535): ";
inline constexpr const char* ParamNotFound = "Parameter not found: ";
inline constexpr const char* FieldNotFound = "Field not found: ";
inline constexpr const char* NoResultSet = "The statement returns no rows; it cannot be opened as a query";
inline constexpr const char* QueryNotOpen = "Cannot perform this operation on a closed query";
inline constexpr const char* QueryOpen = "Cannot perform this operation on an open query";
inline constexpr const char* BadBookmark = "Bookmark does not name a record of the query";
inline constexpr const char* NotADateTime = "Field cannot be read as a date-time: ";
inline constexpr const char* IntegerOverflow = "Value out of the range of a 32-bit integer in field ";
inline constexpr const char* BlobTooLarge = "Blob larger than the limit of the query, in field ";
inline constexpr const char* TextParamTooLong = "Text too long for a statement parameter: ";
inline constexpr const char* UnsupportedType = "Unsupported column type in field ";
inline constexpr const char* ErrorLineJoin = "; ";  // joins the lines of a client-library error

} // namespace orv::dbmsg
