#include "model/XmlWriter.h"

#include "model/XmlItem.h"
#include "model/XmlLimits.h"
#include "model/XmlMessages.h"
#include "model/XmlReader.h"
#include "platform/Exception.h"

#include <vector>

namespace orv {
namespace {

constexpr std::string_view kHeaderLine = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
constexpr std::string_view kDeferMarker = " ld=\"0\"";
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kIndentStep = 2;

// An element whose children are being written.
struct OpenElement {
    TfrxXMLItem* item;
    int nextChild;
    bool fetched;
};

} // namespace

TfrxXMLWriter::TfrxXMLWriter(std::ostream& stream, bool indentOutput, std::istream* backingStream)
    : FIndentOutput(indentOutput), FStream(stream), FBackingStream(backingStream) {
    FBuffer.reserve(kWriteFlushSize * 2);
}

void TfrxXMLWriter::WriteHeaderLine() { WriteLine(kHeaderLine); }

void TfrxXMLWriter::WriteLine(std::string_view text) {
    FBuffer.append(text);
    EndLine();
}

void TfrxXMLWriter::EndLine() {
    if (FIndentOutput) FBuffer.append(kLineEnd);
    if (FBuffer.size() > kWriteFlushSize) Flush();
}

void TfrxXMLWriter::Flush() {
    FStream.write(FBuffer.data(), static_cast<std::streamsize>(FBuffer.size()));
    FBuffer.clear();
    if (!FStream) throw Exception(xmlmsg::StreamWriteError);
}

void TfrxXMLWriter::Indent(int depth) {
    if (FIndentOutput) FBuffer.append(static_cast<std::size_t>(depth * kIndentStep), ' ');
}

bool TfrxXMLWriter::FetchDeferred(TfrxXMLItem& item) {
    if (FBackingStream == nullptr || !item.Deferrable() || item.IsLoaded()) return false;
    ReadDeferredChildren(*FBackingStream, item);
    return true;
}

void TfrxXMLWriter::WriteOpeningLine(const TfrxXMLItem& item, int depth) {
    Indent(depth);
    FBuffer += '<';
    FBuffer += item.TagName();
    const std::string& attributes = item.AttrText();
    if (!attributes.empty()) {
        if (attributes.front() != ' ') FBuffer += ' ';
        FBuffer += attributes;
    }
    if (item.Deferrable()) FBuffer += kDeferMarker;
    if (item.ChildCount() > 0) {
        FBuffer += '>';
    } else if (!item.Content().empty()) {
        FBuffer += '>';
        FBuffer += item.Content();
        FBuffer += "</";
        FBuffer += item.TagName();
        FBuffer += '>';
    } else {
        FBuffer += "/>";
    }
    EndLine();
}

void TfrxXMLWriter::WriteClosingLine(const TfrxXMLItem& item, int depth) {
    Indent(depth);
    FBuffer += "</";
    FBuffer += item.TagName();
    FBuffer += '>';
    EndLine();
}

void TfrxXMLWriter::WriteTree(TfrxXMLItem& item) {
    std::vector<OpenElement> open;
    auto start = [&](TfrxXMLItem& element) {
        const bool fetched = FetchDeferred(element);
        WriteOpeningLine(element, static_cast<int>(open.size()));
        if (element.ChildCount() > 0) {
            open.push_back({&element, 0, fetched});
        } else if (fetched) {
            element.DropChildren();
        }
    };
    try {
        start(item);
        while (!open.empty()) {
            OpenElement& top = open.back();
            if (top.nextChild < top.item->ChildCount()) {
                start(top.item->ChildAt(top.nextChild++));
                continue;
            }
            const OpenElement done = top;
            open.pop_back();
            WriteClosingLine(*done.item, static_cast<int>(open.size()));
            if (done.fetched) done.item->DropChildren();
        }
    } catch (...) {
        // Deferred elements go back to disk, innermost first.
        for (auto it = open.rbegin(); it != open.rend(); ++it) {
            if (it->fetched) it->item->DropChildren();
        }
        throw;
    }
    Flush();
}

} // namespace orv
