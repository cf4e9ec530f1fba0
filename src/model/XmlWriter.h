// Writes elements as text to a stream through a buffer: each tag on its own
// indented line ending in CR LF, or the whole document on one line. Deferred
// elements are read back from the document's backing stream while written.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace orv {

class TfrxXMLItem;

class TfrxXMLWriter {
public:
    // BackingStream holds the children of deferred elements; none when the
    // tree has no deferred elements.
    TfrxXMLWriter(std::ostream& stream, bool indentOutput, std::istream* backingStream = nullptr);
    TfrxXMLWriter(const TfrxXMLWriter&) = delete;
    TfrxXMLWriter& operator=(const TfrxXMLWriter&) = delete;

    void WriteHeaderLine();
    // Writes the element and its subtree, then flushes. Children read back
    // for deferred elements are dropped again afterwards.
    void WriteTree(TfrxXMLItem& item);
    void WriteLine(std::string_view text);
    // Hands the buffer to the stream; a failing stream raises the write error.
    void Flush();

private:
    bool FetchDeferred(TfrxXMLItem& item);
    void WriteOpeningLine(const TfrxXMLItem& item, int depth);
    void WriteClosingLine(const TfrxXMLItem& item, int depth);
    void Indent(int depth);
    void EndLine();

    bool FIndentOutput;
    std::string FBuffer;
    std::ostream& FStream;
    std::istream* FBackingStream;
};

} // namespace orv
