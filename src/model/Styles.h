// Named styles of a report: a font, a frame and a fill that memos take
// over by naming the style.
#pragma once

#include "model/Collection.h"
#include "model/Fill.h"
#include "model/Font.h"
#include "model/Frame.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TfrxReport;

class TfrxStyleItem : public TfrxCollectionItem {
public:
    TfrxStyleItem();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    std::string Name;
    bool ApplyFont = true;
    bool ApplyFill = true;
    bool ApplyFrame = true;
    TfrxFillSlot FillSlot;
    TFont Font;
    TfrxFrame Frame;
};

class TfrxStyles : public TfrxCollectionOf<TfrxStyleItem> {
public:
    explicit TfrxStyles(TfrxReport* report) : FReport(report) {}
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();

    TfrxReport* Report() const { return FReport; }
    // The first style of that name, ignoring letter case, or none.
    TfrxStyleItem* Find(std::string_view name) const;
    // Applies each memo's named style again, across the whole report.
    void Apply() const;
    std::vector<std::string> GetList() const;

private:
    TfrxReport* FReport;
};

} // namespace orv
