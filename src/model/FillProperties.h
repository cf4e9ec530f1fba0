// The fill-related published properties, shared by every class that holds a
// TfrxFillSlot (views, bands, highlights, styles).
#pragma once

#include "model/Fill.h"
#include "model/PropertyRegistry.h"

namespace orv {

template <class C, class B>
TPropInfo& AddFillTypeProperty(TClassBuilder<C>& b, TfrxFillSlot B::*slot)
{
    return b.Enum(
        "FillType", FillTypeEnum(), [slot](const C& c) { return (c.*slot).FillType(); },
        [slot](C& c, TfrxFillType t) { (c.*slot).SetFillType(t); });
}

template <class C, class B>
TPropInfo& AddFillProperty(TClassBuilder<C>& b, TfrxFillSlot B::*slot)
{
    return b.Object("Fill", &TfrxCustomFill::StaticClass, [slot](C& c) { return &(c.*slot).Fill(); });
}

// Color reads and sets the fill's colour; never written (the fill carries it).
template <class C, class B>
TPropInfo& AddFillColorProperty(TClassBuilder<C>& b, TfrxFillSlot B::*slot)
{
    return b.Color(
        "Color", [slot](const C& c) { return (c.*slot).Color(); },
        [slot](C& c, TColor v) { (c.*slot).SetColor(v); });
}

template <class C, class B>
TPropInfo& AddBrushStyleProperty(TClassBuilder<C>& b, TfrxFillSlot B::*slot)
{
    return b.Enum(
               "BrushStyle", BrushStyleEnum(), [slot](const C& c) { return (c.*slot).BrushStyle(); },
               [slot](C& c, TBrushStyle v) { (c.*slot).SetBrushStyle(v); })
        .Never();
}

} // namespace orv
