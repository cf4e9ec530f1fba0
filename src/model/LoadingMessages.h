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

// Why a container does not unpack; each stands beside clDecompressError.
inline constexpr const char* ContainerTruncated = "Compressed container: truncated";
inline constexpr const char* ContainerMethod = "Compressed container: compression method %d is not deflate";
inline constexpr const char* ContainerFlags = "Compressed container: header flags %d are not supported";
inline constexpr const char* ContainerChecksum =
    "Compressed container: the Adler-32 checksum in the header does not match the data";
inline constexpr const char* ContainerCorrupt = "Compressed container: the compressed data are corrupt (%s)";
inline constexpr const char* ContainerTrailing = "Compressed container: the compressed data end %d bytes before the trailer";
inline constexpr const char* ContainerTooLarge = "Compressed container: it unpacks to more than the limit of %d MiB";
inline constexpr const char* ContainerRatio =
    "Compressed container: it unpacks to more than %d times its compressed size";
inline constexpr const char* ContainerReadError = "Compressed container: the stream cannot be read";

// Writing a container
inline constexpr const char* CompressFailed = "Compression failed (%s)";
inline constexpr const char* StreamWriteError = "Stream write error";

} // namespace orv::msg
