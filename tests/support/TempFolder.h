// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace orv::test {

class TempFolder {
public:
    explicit TempFolder(const std::string& prefix) {
        std::string tmpl = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
        FPath = tmpl;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(FPath, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return FPath; }

private:
    std::filesystem::path FPath;
};

} // namespace orv::test
