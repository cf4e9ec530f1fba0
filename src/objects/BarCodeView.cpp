#include "objects/BarCodeView.h"

#include "model/ViewProperties.h"

namespace orv {

namespace {
constexpr int kLargestFontSize = 9;
}

const TEnumInfo& BarcodeTypeEnum()
{
    static const TEnumInfo info(
        "TfrxBarcodeType",
        {"bcCode_2_5_interleaved", "bcCode_2_5_industrial", "bcCode_2_5_matrix", "bcCode39", "bcCode39Extended",
         "bcCode128", "bcCode128A", "bcCode128B", "bcCode128C", "bcCode93", "bcCode93Extended", "bcCodeMSI",
         "bcCodePostNet", "bcCodeCodabar", "bcCodeEAN8", "bcCodeEAN13", "bcCodeUPC_A", "bcCodeUPC_E0",
         "bcCodeUPC_E1", "bcCodeUPC_Supp2", "bcCodeUPC_Supp5", "bcCodeEAN128", "bcCodeEAN128A", "bcCodeEAN128B",
         "bcCodeEAN128C"});
    return info;
}

TfrxBarCodeView::TfrxBarCodeView(TComponent* AOwner) : TfrxView(AOwner)
{
    TFont font;
    font.SetName("Arial");
    font.SetSize(kLargestFontSize);
    SetFont(font);
}

const TClassInfo& TfrxBarCodeView::StaticClass()
{
    static const auto info = MakeClass<TfrxBarCodeView>("TfrxBarCodeView", &TfrxView::StaticClass(), [](auto& b) {
        using V = TfrxBarCodeView;
        b.Enum("BarType", BarcodeTypeEnum(), &V::BarType);
        AddBrushStyleProperty(b, &V::FillSlot);
        b.Boolean("CalcCheckSum", &V::CalcCheckSum).WithDefault(false);
        b.Integer("Cursor", &V::Cursor).WithDefault(0);
        AddDataFieldProperty(b);
        AddDataSetProperties(b);
        b.String("Expression", &V::Expression);
        AddFillTypeProperty(b, &V::FillSlot).WithDefault(ftBrush);
        AddFillProperty(b, &V::FillSlot);
        AddFontProperty(b);
        AddFrameProperty(b);
        b.Enum("HAlign", HAlignEnum(), &V::HAlign).WithDefault(haLeft);
        b.Integer("Rotation", &V::Rotation);
        b.Boolean("ShowText", &V::ShowText).WithDefault(true);
        b.String("TagStr", &V::TagStr);
        b.String("Text", &V::Text);
        b.String("URL", &V::URL).Never();
        b.Extended("WideBarRatio", &V::WideBarRatio);
        b.Extended("Zoom", &V::Zoom);
        b.Creatable();
    });
    return *info;
}

void TfrxBarCodeView::FontChanged()
{
    if (Font().Size() > kLargestFontSize)
        Font().SetSize(kLargestFontSize); // reports the change again, now within bounds
    else
        TfrxView::FontChanged();
}

} // namespace orv
