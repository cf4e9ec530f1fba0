// Published properties that views of several kinds share (binding, frame,
// alignment), each added where the class's own list places it.
#pragma once

#include "data/DataSet.h"
#include "model/ComponentProperties.h"
#include "model/FillProperties.h"
#include "model/PropertyRegistry.h"
#include "model/Views.h"
#include "platform/Text.h"

namespace orv {

const TEnumInfo& HAlignEnum();
const TEnumInfo& VAlignEnum();

// A stored-when condition over an object of class C.
template <class C, class F>
TStoredFn When(F f)
{
    return [f](const TPersistent& o) { return f(static_cast<const C&>(o)); };
}

template <class C>
void AddDataFieldProperty(TClassBuilder<C>& b)
{
    b.String("DataField", &C::DataField);
}

template <class C>
void AddDataSetProperties(TClassBuilder<C>& b)
{
    b.Reference("DataSet", &TfrxDataSet::StaticClass, &C::DataSet, &C::SetDataSet);
    b.String("DataSetName", &C::DataSetName, &C::SetDataSetName);
}

template <class C>
void AddFrameProperty(TClassBuilder<C>& b)
{
    b.Object("Frame", &TfrxFrame::StaticClass, [](C& c) { return &c.Frame; });
}

// Every published property of a text memo; memo kinds that publish fewer
// hide the rest.
template <class C>
void AddMemoProperties(TClassBuilder<C>& b)
{
    using M = TfrxCustomMemoView;
    b.Boolean("AutoWidth", &M::AutoWidth).WithDefault(false);
    b.Boolean("AllowExpressions", &M::AllowExpressions).WithDefault(true);
    b.Boolean("AllowHTMLTags", &M::AllowHTMLTags).WithDefault(false);
    AddBrushStyleProperty(b, &C::FillSlot);
    b.Extended("CharSpacing", &M::CharSpacing).StoredWhen(When<M>([](const M& m) { return m.CharSpacing != 0; }));
    b.Boolean("Clipped", &M::Clipped).WithDefault(true);
    AddFillColorProperty(b, &C::FillSlot).Never();
    AddDataFieldProperty(b);
    AddDataSetProperties(b);
    b.Object("DisplayFormat", &TfrxFormat::StaticClass, [](M& m) { return &m.DisplayFormat(); })
        .StoredWhen(When<M>([](const M& m) { return m.Formats.Count() == 1; }));
    b.String("ExpressionDelimiters", &M::ExpressionDelimiters)
        .StoredWhen(When<M>([](const M& m) { return m.ExpressionDelimiters != "[,]"; }));
    b.Reference("FlowTo", &M::FlowTo);
    AddFontProperty(b);
    AddFrameProperty(b);
    AddFillTypeProperty(b, &C::FillSlot).WithDefault(ftBrush);
    AddFillProperty(b, &C::FillSlot);
    b.Extended("GapX", &M::GapX).StoredWhen(When<M>([](const M& m) { return m.GapX != 2; }));
    b.Extended("GapY", &M::GapY).StoredWhen(When<M>([](const M& m) { return m.GapY != 1; }));
    b.Enum("HAlign", HAlignEnum(), &M::HAlign).WithDefault(haLeft);
    b.Boolean("HideZeros", &M::HideZeros).WithDefault(false);
    b.Object("Highlight", &TfrxHighlight::StaticClass, [](M& m) { return &m.Highlight(); })
        .StoredWhen(When<M>([](const M& m) {
            return m.Highlights.Count() == 1 && !Trim(m.Highlights[0].Condition).empty();
        }));
    b.Extended("LineSpacing", &M::LineSpacing).StoredWhen(When<M>([](const M& m) { return m.LineSpacing != 2; }));
    // The memo text travels as the element's Text attribute.
    b.WideStrings("Memo", [](M& m) -> TWideStrings& { return m.Memo; });
    b.Extended("ParagraphGap", &M::ParagraphGap).StoredWhen(When<M>([](const M& m) { return m.ParagraphGap != 0; }));
    AddParentFontProperty(b);
    b.Integer("Rotation", &M::Rotation).WithDefault(0);
    b.Boolean("RTLReading", &M::RTLReading).WithDefault(false);
    b.String("Style", &M::Style, &M::SetStyle);
    b.Boolean("SuppressRepeated", &M::SuppressRepeated).WithDefault(false);
    b.Boolean("Underlines", &M::Underlines).WithDefault(false);
    b.Boolean("UseDefaultCharset", &M::UseDefaultCharset).WithDefault(false);
    b.Boolean("WordBreak", &M::WordBreak).WithDefault(false);
    b.Boolean("WordWrap", &M::WordWrap).WithDefault(true);
    b.Boolean("Wysiwyg", &M::Wysiwyg).WithDefault(true);
    b.Enum("VAlign", VAlignEnum(), &M::VAlign).WithDefault(vaTop);
    // A single format or highlight travels as the DisplayFormat / Highlight attributes.
    b.Collection("Formats", [](C& m) -> TfrxCollection& { return m.Formats; }, 2);
    b.Collection("Highlights", [](C& m) -> TfrxCollection& { return m.Highlights; }, 2);
}

} // namespace orv
