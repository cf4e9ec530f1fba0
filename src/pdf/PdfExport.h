// The PDF export filter and its document settings.
#pragma once

#include "pdf/ExportFilter.h"

#include <set>
#include <string>

namespace orv {

enum TfrxPDFEncBit { ePrint, eModify, eCopy, eAnnot };

class TfrxPDFExport : public TfrxCustomExportFilter {
public:
    explicit TfrxPDFExport(TComponent* AOwner) : TfrxCustomExportFilter(AOwner) {}

    bool Compressed = true;
    bool EmbeddedFonts = false;
    bool EmbedFontsIfProtected = true;
    bool OpenAfterExport = false;
    bool PrintOptimized = false;
    bool Outline = false;
    bool Background = false;
    bool HTMLTags = true;
    int Quality = 95;
    std::u16string Title;
    std::u16string Author = u"Reports";
    std::u16string Subject = u"Reports PDF export";
    std::u16string Keywords;
    std::u16string Creator;
    std::u16string Producer;
    std::string UserPassword;
    std::string OwnerPassword;
    std::set<TfrxPDFEncBit> ProtectionFlags{ePrint, eModify, eCopy, eAnnot};
    bool HideToolbar = false;
    bool HideMenubar = false;
    bool HideWindowUI = false;
    bool FitWindow = false;
    bool CenterWindow = false;
    bool PrintScaling = false;
};

} // namespace orv
