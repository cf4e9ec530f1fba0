// A temporary file under a unique name: open for reading and writing while
// the object lives, closed and deleted when it goes.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace orv {

// The folder for temporary files, ending with the path delimiter: Preferred
// when it is set and exists, otherwise the system's temporary folder.
std::string TempFolderOr(const std::string& preferred);

class TempFile {
public:
    // Creates the file in Folder with a name that begins with Prefix; fails
    // with the file creation error.
    TempFile(const std::string& folder, std::string_view prefix);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& FileName() const { return FFileName; }
    std::fstream& Stream() { return FStream; }

private:
    std::string FFileName;
    std::fstream FStream;
};

} // namespace orv
