// What the template commands share: a report that loads a template file,
// plain or compressed, collecting its errors instead of showing them.
#pragma once

#include "Commands.h"

#include "model/Compressor.h"
#include "model/Report.h"

#include <string>
#include <vector>

namespace orv::tool {

class TemplateFile {
public:
    TemplateFile();

    // Loads the file; the errors the load collected, each made as clear as
    // the file allows. A file that cannot be opened raises orv::Exception.
    std::vector<std::string> Load(const std::string& path);

    TfrxReport& Report() { return FReport; }

private:
    // While it lives, compressed templates load and can be written.
    TfrxGZipCompressor FCompressor{nullptr};
    TfrxReport FReport{nullptr};
};

// The arguments of a command that takes files and switches: the files in
// order, and the switches among Known that were given. Empty when the
// arguments are fine, else what is wrong with them.
std::string SplitArguments(const std::string& command, const Arguments& args, const std::vector<std::string>& known,
                           std::vector<std::string>& files, std::vector<std::string>& switches);

// The arguments of a command that takes exactly one FILE and no switches:
// empty when they are fine (FILE then set), else what is wrong with them.
std::string OneFileArgument(const std::string& command, const Arguments& args, std::string& file);

// Windows-1252 text as a line for the terminal.
std::string TerminalLine(const std::string& text);

} // namespace orv::tool
