// Reads document text from a stream through a buffer: tags one at a time,
// the XML declaration, and whole elements with their subtrees. It reads the
// dialect the writer produces, skips text between tags and comments, and
// rejects anything malformed with TfrxInvalidXMLException, without recursion.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace orv {

class TfrxXMLItem;

class TfrxXMLReader {
public:
    // Reads from the stream's current position.
    explicit TfrxXMLReader(std::istream& stream);
    // Leaves the stream just behind the last byte read, whatever was buffered.
    ~TfrxXMLReader();
    TfrxXMLReader(const TfrxXMLReader&) = delete;
    TfrxXMLReader& operator=(const TfrxXMLReader&) = delete;

    // Continues at an absolute stream position; the buffer is emptied.
    void Seek(std::uint64_t position);
    std::uint64_t Position() const { return FBufferStart + FIndex; }

    // Reads the first tag, which must be the declaration; returns LegacyStrings.
    bool ReadHeaderTag();
    bool LegacyStrings() const { return FLegacyStrings; }
    // The next tag split at its first blank; an empty name at the end of data.
    void ReadTag(std::string& name, std::string& attributes);
    // Reads one element with its subtree into Item. An element that already
    // has a tag name (a deferred one being fetched) keeps its name and
    // attributes. Returns false, reading nothing into Item, at the end of
    // data or at a closing tag (the caller's end of children). Elements marked
    // ld="0" become deferrable; unless KeepAll, their children stay on disk.
    bool ReadElement(TfrxXMLItem& item, bool keepAll);
    // As ReadElement, for the outermost element of a text: a missing element
    // or a closing tag in its place makes the text invalid.
    void ReadOutermostElement(TfrxXMLItem& item, bool keepAll);

private:
    struct ElementTag;
    struct OpenElement;

    bool Fill();
    bool Ensure(std::size_t count);
    bool NextTag();
    bool SkipToTag();
    void SkipComment();
    void CollectTag();
    ElementTag TakeElementTag() const;
    void CheckClosingTag(std::string_view openName) const;
    static bool Open(TfrxXMLItem& item, const ElementTag& tag);
    static void Close(const OpenElement& element, bool keepAll);
    std::uint64_t OffsetOf(const char* inBuffer) const;
    std::uint64_t TagOffsetOf(const char* inTag) const;

    std::istream& FStream;
    bool FSeekable;
    std::unique_ptr<char[]> FBuffer;
    std::uint64_t FBufferStart = 0;  // stream position of FBuffer[0]
    std::size_t FCount = 0;          // bytes in the buffer
    std::size_t FIndex = 0;          // next byte to read
    bool FLegacyStrings = false;

    std::string FTag;                // a tag that did not fit in the buffer
    std::string_view FTagText;       // the last tag, between '<' and '>': in the buffer or FTag
    std::uint64_t FTagStart = 0;     // stream position of its '<'
    std::string_view FName;          // views into FTagText
    std::string_view FAttributes;
};

// Reads a deferred element's children back from the backing stream at the
// element's offset; on failure the element is left without children.
void ReadDeferredChildren(std::istream& backingStream, TfrxXMLItem& item);

} // namespace orv
