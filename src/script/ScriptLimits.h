// The limits of the script parser in one place. Each one has its own message
// in ScriptMessages.h.
#pragma once

namespace orv {

// Elements of a syntax tree nested deeper than this end the parse: it bounds
// the work of every consumer that walks the tree recursively, and keeps the
// tree well inside what the XML layer reads back.
inline constexpr int kMaxSyntaxDepth = 256;

// Grammar items matched inside one another deeper than this end the parse.
// The matcher recurses once per item, so this bounds its use of the machine
// stack whatever the source or the grammar (a left-recursive rule included):
// about 1.3 MB, 2.8 MB with the address sanitizer. Real nesting reaches
// kMaxSyntaxDepth long before.
inline constexpr int kMaxMatchDepth = 4096;

} // namespace orv
