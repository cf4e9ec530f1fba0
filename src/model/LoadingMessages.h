// The fixed texts of loading and saving reports: the report resources that
// a load reports through, and what exactly is wrong with a compressed
// container that cannot be unpacked (formats for Format).
#pragma once

namespace orv::msg {

// Report resources
inline constexpr const char* clErrors = "Ha ocurrido el siguiente error:";
inline constexpr const char* clDecompressError = "Error al descomprimir el contenedor";
inline constexpr const char* mbError = "Error";
inline constexpr const char* InvalidPassword = "Invalid password";

// Templates this system cannot take; completed with the element or file name.
inline constexpr const char* NotATemplate = "Not a report template: the root element is '%s', not 'TfrxReport'";
inline constexpr const char* AncestorNotSupported = "Templates that inherit from another are not supported (ParentReport '%s')";

// Why a container does not unpack; each stands beside clDecompressError.
inline constexpr const char* ContainerTruncated = "The container is truncated";
inline constexpr const char* ContainerMethod = "The container's compression method %d is not deflate";
inline constexpr const char* ContainerFlags = "The container's header flags %d are not supported";
inline constexpr const char* ContainerChecksum = "The container's Adler-32 checksum does not match its data";
inline constexpr const char* ContainerCorrupt = "The container's compressed data are corrupt (%s)";
inline constexpr const char* ContainerTrailing = "The container's compressed data end %d bytes before its trailer";
inline constexpr const char* ContainerTooLarge = "The container unpacks to more than the limit of %d MiB";
inline constexpr const char* ContainerRatio = "The container unpacks to more than %d times its compressed size";
inline constexpr const char* ContainerReadError = "The container cannot be read";

// Writing a container
inline constexpr const char* CompressFailed = "Compression failed (%s)";
inline constexpr const char* StreamWriteError = "Stream write error";

} // namespace orv::msg
