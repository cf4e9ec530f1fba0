// The sizes and limits of the XML layer in one place.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orv {

// Elements nested deeper than this make a document invalid; it bounds the
// work and memory of any consumer that walks a tree recursively.
inline constexpr int kMaxXmlDepth = 1024;
// A tag (name and attributes) longer than this makes a document invalid; a
// picture of a template travels as one hexadecimal attribute, so it is large.
inline constexpr std::size_t kMaxXmlTagLength = 256u * 1024 * 1024;
// Element offsets in a backing stream are kept in 40 bits.
inline constexpr std::uint64_t kMaxStreamOffset = (std::uint64_t{1} << 40) - 1;

// The reader takes the stream in blocks of this size.
inline constexpr std::size_t kReadBlockSize = 64 * 1024;
// The writer hands its buffer to the stream once it holds more than this.
inline constexpr std::size_t kWriteFlushSize = 4096;
// Escaping turns NUL into a numeric reference only in texts shorter than this.
inline constexpr std::size_t kShortTextLength = 32;

} // namespace orv
