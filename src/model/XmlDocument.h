// An XML document: one element tree, read from and written to streams and
// files in the dialect of templates and prepared reports. Deferrable elements
// can keep their children on disk (in the stream a deferred read came from, or
// in a spill file of the document's own) so that large documents need not be
// held in memory whole.
#pragma once

#include "model/XmlError.h"
#include "model/XmlItem.h"
#include "model/XmlText.h"

#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace orv {

class TempFile;

class TfrxXMLDocument {
public:
    TfrxXMLDocument();
    // Deletes the spill file and releases the backing stream.
    ~TfrxXMLDocument();
    TfrxXMLDocument(const TfrxXMLDocument&) = delete;
    TfrxXMLDocument& operator=(const TfrxXMLDocument&) = delete;

    // The tree; its own tag is the outermost element of the file.
    TfrxXMLItem& RootItem() { return *FRoot; }
    const TfrxXMLItem& RootItem() const { return *FRoot; }

    // Writing puts each tag on its own line, indented by two blanks a level.
    bool IndentOutput() const { return FIndentOutput; }
    void SetIndentOutput(bool indent) { FIndentOutput = indent; }
    // Folder of the spill file; empty (or missing) means the system's one.
    const std::string& TempFolder() const { return FTempFolder; }
    void SetTempFolder(std::string folder) { FTempFolder = std::move(folder); }
    // Set by every read: the declaration says version 1.0 and nothing about
    // standalone, so string attributes are in the system code page.
    bool LegacyStrings() const { return FLegacyStrings; }

    // Drops the root's children and the spill file; the root keeps its tag.
    void Clear();
    // Reads the whole tree from the stream's current position; the stream is
    // left just behind the outermost element. A malformed text raises
    // TfrxInvalidXMLException, leaving what was read so far in the tree.
    void ReadFromStream(std::istream& stream);
    // With AllowDeferred, elements marked ld="0" keep their children in the
    // stream, which the document then owns as its backing stream.
    void ReadFromStream(std::unique_ptr<std::istream> stream, bool allowDeferred);
    // A deferred read of a file, which stays open while the document needs it.
    void ReadFromFile(const std::string& fileName);
    // The declaration line and the tree, deferred elements in full.
    void WriteToStream(std::ostream& stream);
    // Writes beside the file first and replaces it only when all went well.
    void WriteToFile(const std::string& fileName);

    // Moves a loaded deferrable element's children to the spill file; its
    // own tag stays in memory. Other elements are passed over.
    void SpillItem(TfrxXMLItem& item);
    // Reads a deferred element's children back from the backing stream.
    void FetchItem(TfrxXMLItem& item);
    void OpenSpillFile();
    void DiscardSpillFile();
    // Full name of the spill file; empty while there is none.
    std::string SpillFileName() const;

private:
    std::istream* BackingStream() const;
    void ResetRoot();
    void ReadTree(std::istream& stream, bool allowDeferred);

    bool FIndentOutput = false;
    std::unique_ptr<TfrxXMLItem> FRoot;
    std::string FTempFolder;
    std::unique_ptr<TempFile> FSpillFile;
    // The stream a deferred read came from, while no spill file exists.
    std::unique_ptr<std::istream> FReadStream;
    bool FLegacyStrings = true;
};

} // namespace orv
