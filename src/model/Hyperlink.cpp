#include "model/Hyperlink.h"

#include "model/PropertyRegistry.h"

namespace orv {

const TClassInfo& TfrxHyperlink::StaticClass()
{
    static const TEnumInfo kinds("TfrxHyperlinkKind",
                                 {"hkURL", "hkAnchor", "hkPageNumber", "hkDetailReport", "hkDetailPage", "hkCustom"});
    static const auto info = MakeClass<TfrxHyperlink>("TfrxHyperlink", &TPersistent::StaticClass(), [](auto& b) {
        using H = TfrxHyperlink;
        b.Enum("Kind", kinds, &H::Kind).WithDefault(hkURL);
        b.String("Value", &H::Value);
        b.String("Expression", &H::Expression);
        b.String("DetailReport", &H::DetailReport);
        b.String("DetailPage", &H::DetailPage);
        b.String("ReportVariable", &H::ReportVariable);
        b.String("TabCaption", &H::TabCaption);
        b.String("ValuesSeparator", &H::ValuesSeparator).StoredWhen([](const TPersistent& o) {
            return static_cast<const H&>(o).ValuesSeparator != ";";
        });
    });
    return *info;
}

} // namespace orv
