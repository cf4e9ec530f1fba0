// The fixed texts of the XML layer: the error every malformed document ends
// in, the list and stream errors it raises, and the detail of each way
// a document can be malformed.
#pragma once

namespace orv::xmlmsg {

inline constexpr const char* InvalidFileFormat = "Invalid file format";
inline constexpr const char* ListIndexOutOfBounds = "List index out of bounds (";  // + index + ")"
inline constexpr const char* StreamSeekError = "Stream seek error";
inline constexpr const char* StreamWriteError = "Stream write error";
inline constexpr const char* AdoptUnowned = "An element without a parent cannot be adopted by reference";
inline constexpr const char* AdoptAncestor = "An element cannot become a child of itself or of its descendants";
inline constexpr const char* StreamOffsetTooLarge = "Stream offset beyond 40 bits";

// Details of TfrxInvalidXMLException, one per XmlFault, in the enum's order.
inline constexpr const char* FaultDetails[] = {
    "the document does not begin with an XML declaration",
    "the document has no root element",
    "closing tag without an open element",
    "'<' inside a tag",
    "NUL byte",
    "end of data inside a tag",
    "end of data before the closing tag of an element",
    "closing tag does not match the open element",
    "invalid tag name",
    "malformed attribute",
    "elements nested deeper than the limit",
    "tag longer than the limit",
};

} // namespace orv::xmlmsg
