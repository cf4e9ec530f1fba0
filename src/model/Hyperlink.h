// Where a view leads when clicked in a viewer: a URL, an anchor, a page, a
// detail report or page, or a custom value.
#pragma once

#include "model/Persistent.h"

#include <string>

namespace orv {

enum TfrxHyperlinkKind { hkURL, hkAnchor, hkPageNumber, hkDetailReport, hkDetailPage, hkCustom };

class TfrxHyperlink : public TPersistent {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    void Assign(const TfrxHyperlink& source) { *this = source; }

    TfrxHyperlinkKind Kind = hkURL;
    std::string Value;
    std::string Expression;
    std::string DetailReport;
    std::string DetailPage;
    std::string ReportVariable;
    std::string TabCaption;
    std::string ValuesSeparator = ";";
};

} // namespace orv
