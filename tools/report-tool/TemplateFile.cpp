#include "TemplateFile.h"

#include "model/XmlDocument.h"
#include "model/XmlMessages.h"
#include "objects/ObjectKinds.h"
#include "platform/Text.h"

#include <algorithm>
#include <fstream>

namespace orv::tool {
namespace {

// Where and why the document in the file is not well-formed; empty when
// reading it again finds nothing to say.
std::string XmlFaultDetail(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    TfrxGZipCompressor compressor(TfrxCompressedDocument::Template);
    std::istream* source = &file;
    try {
        if (compressor.Decompress(file)) source = &compressor.Stream();
        TfrxXMLDocument document;
        document.ReadFromStream(*source);
    } catch (const TfrxInvalidXMLException& e) {
        return " (byte " + std::to_string(e.Offset()) + ": " + e.Detail() + ")";
    } catch (const Exception&) {
    }
    return "";
}

} // namespace

TemplateFile::TemplateFile() {
    // Templates load here as they load in the job, whatever objects they hold.
    RegisterAllObjectKinds();
    // The commands report the errors themselves.
    FReport.EngineOptions.NewSilentMode = simSilent;
}

std::vector<std::string> TemplateFile::Load(const std::string& path) {
    FReport.LoadFromFile(path, true);
    std::vector<std::string> errors = FReport.Errors().Lines();
    for (std::string& e : errors)
        if (e == xmlmsg::InvalidFileFormat) e += XmlFaultDetail(path);
    return errors;
}

std::string SplitArguments(const std::string& command, const Arguments& args, const std::vector<std::string>& known,
                           std::vector<std::string>& files, std::vector<std::string>& switches) {
    for (const std::string& a : args) {
        if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            if (std::find(known.begin(), known.end(), a) == known.end())
                return command + ": unknown option '" + a + "'";
            switches.push_back(a);
        } else {
            files.push_back(a);
        }
    }
    return "";
}

std::string OneFileArgument(const std::string& command, const Arguments& args, std::string& file) {
    std::vector<std::string> files, switches;
    std::string fault = SplitArguments(command, args, {}, files, switches);
    if (fault.empty() && files.size() != 1)
        fault = files.empty() ? command + ": no FILE given; 'report-tool " + command + " --help' describes the command"
                              : command + ": more than one FILE given";
    if (fault.empty()) file = files[0];
    return fault;
}

std::string TerminalLine(const std::string& text) {
    std::string line = Cp1252ToUtf8(text);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line + "\n";
}

} // namespace orv::tool
