// report-tool run as a real process, its output captured in a folder of this
// test program's own, so that tests running side by side do not share files.
#pragma once

#include "support/ProcessRunner.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orv::test {

inline const std::filesystem::path kReportTool = std::filesystem::path(ORVANTA_BINARY_DIR) / "report-tool";

inline const std::filesystem::path& ReportToolFolder() {
    static const TempFolder folder("report-tool-test");
    return folder.Path();
}

inline ProcessResult RunReportTool(const std::vector<std::string>& args) {
    return RunProcess(kReportTool, args, ReportToolFolder());
}

} // namespace orv::test
