#include "model/XmlDocument.h"

#include "model/XmlLimits.h"
#include "model/XmlMessages.h"
#include "model/XmlReader.h"
#include "model/XmlWriter.h"
#include "platform/FileErrors.h"
#include "platform/TempFile.h"
#include "platform/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace orv {
namespace {

constexpr std::string_view kSpillPrefix = "fr";
constexpr std::size_t kCopyBlockSize = 64 * 1024;

// Copies a whole stream, from its first byte, to the end of Target.
void CopyWholeStream(std::istream& source, std::ostream& target) {
    source.clear();
    source.seekg(0);
    std::vector<char> block(kCopyBlockSize);
    while (source) {
        source.read(block.data(), static_cast<std::streamsize>(block.size()));
        target.write(block.data(), source.gcount());
    }
    source.clear();
    if (!target) throw Exception(xmlmsg::StreamWriteError);
}

} // namespace

TfrxXMLDocument::TfrxXMLDocument() : FRoot(std::make_unique<TfrxXMLItem>()) {}

TfrxXMLDocument::~TfrxXMLDocument() { DiscardSpillFile(); }

std::istream* TfrxXMLDocument::BackingStream() const {
    if (FSpillFile) return &FSpillFile->Stream();
    return FReadStream.get();
}

std::string TfrxXMLDocument::SpillFileName() const { return FSpillFile ? FSpillFile->FileName() : std::string(); }

void TfrxXMLDocument::Clear() {
    FRoot->DropChildren();
    DiscardSpillFile();
}

void TfrxXMLDocument::ResetRoot() {
    // The root takes the name and attributes of the file read next, which a
    // name left from an earlier read would otherwise block.
    FRoot->DropChildren();
    FRoot->SetTagName({});
    FRoot->SetAttrText({});
    FRoot->SetContent({});
    FRoot->SetDeferrable(false);
    FRoot->MarkLoaded();
    FRoot->SetStreamOffset(0);
}

void TfrxXMLDocument::ReadTree(std::istream& stream, bool allowDeferred) {
    DiscardSpillFile();
    ResetRoot();
    TfrxXMLReader reader(stream);
    FLegacyStrings = reader.ReadHeaderTag();
    reader.ReadOutermostElement(*FRoot, !allowDeferred);
}

void TfrxXMLDocument::ReadFromStream(std::istream& stream) { ReadTree(stream, false); }

void TfrxXMLDocument::ReadFromStream(std::unique_ptr<std::istream> stream, bool allowDeferred) {
    ReadTree(*stream, allowDeferred);
    if (allowDeferred) FReadStream = std::move(stream);
}

void TfrxXMLDocument::ReadFromFile(const std::string& fileName) {
    auto file = std::make_unique<std::ifstream>(fileName, std::ios::binary);
    if (!file->is_open()) throw Exception(FileOpenErrorText(fileName, errno));
    ReadFromStream(std::move(file), true);
}

void TfrxXMLDocument::WriteToStream(std::ostream& stream) {
    TfrxXMLWriter writer(stream, FIndentOutput, BackingStream());
    writer.WriteHeaderLine();
    writer.WriteTree(*FRoot);
}

void TfrxXMLDocument::WriteToFile(const std::string& fileName) {
    WriteFileWhole(fileName, [this](std::ostream& out) { WriteToStream(out); });
}

void TfrxXMLDocument::OpenSpillFile() {
    if (FSpillFile) return;
    FSpillFile = std::make_unique<TempFile>(TempFolderOr(FTempFolder), kSpillPrefix);
    if (FReadStream) {
        // Elements deferred by the read point into that stream: the spill file
        // starts as its copy, so their offsets stay valid in the one backing stream.
        CopyWholeStream(*FReadStream, FSpillFile->Stream());
        FSpillFile->Stream().flush();
        FReadStream.reset();
    }
}

void TfrxXMLDocument::DiscardSpillFile() {
    FSpillFile.reset();
    FReadStream.reset();
}

void TfrxXMLDocument::SpillItem(TfrxXMLItem& item) {
    if (!item.IsLoaded() || !item.Deferrable()) return;
    OpenSpillFile();
    std::ostringstream text;
    TfrxXMLWriter(text, false, BackingStream()).WriteTree(item);
    const std::string& bytes = text.str();

    std::fstream& spill = FSpillFile->Stream();
    spill.clear();
    spill.seekp(0, std::ios::end);
    const auto end = static_cast<std::streamoff>(spill.tellp());
    if (end < 0) throw Exception(xmlmsg::StreamSeekError);
    const auto offset = static_cast<std::uint64_t>(end);
    if (offset + bytes.size() > kMaxStreamOffset) throw Exception(xmlmsg::StreamOffsetTooLarge);
    spill.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    spill.flush();
    if (!spill) throw Exception(xmlmsg::StreamWriteError);
    item.SetStreamOffset(offset);
    item.DropChildren();
}

void TfrxXMLDocument::FetchItem(TfrxXMLItem& item) {
    std::istream* backing = BackingStream();
    if (backing == nullptr || !item.Deferrable() || item.IsLoaded()) return;
    ReadDeferredChildren(*backing, item);
    item.MarkLoaded();
}

} // namespace orv
