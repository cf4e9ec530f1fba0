#include "objects/CheckBoxView.h"

#include "model/Units.h"
#include "model/ViewProperties.h"

namespace orv {

namespace {

// A new check box is 5 mm square.
constexpr long double kSide = 5 * fr01cm;

const TEnumInfo& CheckStyleEnum()
{
    static const TEnumInfo info("TfrxCheckStyle", {"csCross", "csCheck", "csLineCross", "csPlus"});
    return info;
}

const TEnumInfo& UncheckStyleEnum()
{
    static const TEnumInfo info("TfrxUncheckStyle", {"usEmpty", "usCross", "usLineCross", "usMinus"});
    return info;
}

} // namespace

TfrxCheckBoxView::TfrxCheckBoxView(TComponent* AOwner) : TfrxView(AOwner)
{
    SetWidth(kSide);
    SetHeight(kSide);
}

const TClassInfo& TfrxCheckBoxView::StaticClass()
{
    static const auto info =
        MakeClass<TfrxCheckBoxView>("TfrxCheckBoxView", &TfrxView::StaticClass(), [](auto& b) {
            using V = TfrxCheckBoxView;
            AddBrushStyleProperty(b, &V::FillSlot);
            b.Color("CheckColor", &V::CheckColor);
            b.Boolean("Checked", &V::Checked).WithDefault(true);
            b.Enum("CheckStyle", CheckStyleEnum(), &V::CheckStyle);
            AddFillColorProperty(b, &V::FillSlot);
            b.Integer("Cursor", &V::Cursor).WithDefault(0);
            AddDataFieldProperty(b);
            AddDataSetProperties(b);
            b.String("Expression", &V::Expression);
            AddFrameProperty(b);
            b.String("TagStr", &V::TagStr);
            b.Enum("UncheckStyle", UncheckStyleEnum(), &V::UncheckStyle).WithDefault(usEmpty);
            b.String("URL", &V::URL).Never();
            b.Creatable();
        });
    return *info;
}

} // namespace orv
