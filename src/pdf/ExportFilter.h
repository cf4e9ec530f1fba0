// The base of every export filter: the settings all filters share and the
// calls through which a report's prepared pages reach the filter.
#pragma once

#include "model/Persistent.h"

#include <string>

namespace orv {

class TfrxReport;

class TfrxCustomExportFilter : public TComponent {
public:
    explicit TfrxCustomExportFilter(TComponent* AOwner) : TComponent(AOwner) {}

    bool ShowDialog = true;
    std::string FileName;
    bool ExportNotPrintable = false;
    bool UseFileCache = true;
    std::string DefaultPath;
    bool ShowProgress = true;
    bool OverwritePrompt = false;
    bool DataOnly = false;
    // Set by the report before it hands its pages over.
    TfrxReport* Report = nullptr;
};

} // namespace orv
