// The items of a memo's two collections: a display format (how a value
// becomes text) and a highlight (a conditional change of font, fill, frame
// and visibility).
#pragma once

#include "model/Collection.h"
#include "model/Fill.h"
#include "model/Font.h"
#include "model/Frame.h"

#include <string>

namespace orv {

enum TfrxFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };

class TfrxFormat : public TfrxCollectionItem {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    void Assign(const TfrxFormat& source);

    std::string DecimalSeparator;
    std::string ThousandSeparator;
    std::string FormatStr;
    TfrxFormatKind Kind = fkText;
};

class TfrxHighlight : public TfrxCollectionItem {
public:
    TfrxHighlight() = default;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    void Assign(const TfrxHighlight& source);

    bool Active = false;
    bool ApplyFont = true;
    bool ApplyFill = true;
    bool ApplyFrame = false;
    TFont Font;
    std::string Condition;
    TfrxFillSlot FillSlot;
    TfrxFrame Frame;
    bool Visible = true;
};

using TfrxFormatCollection = TfrxCollectionOf<TfrxFormat>;
using TfrxHighlightCollection = TfrxCollectionOf<TfrxHighlight>;

} // namespace orv
