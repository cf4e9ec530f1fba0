// A linear barcode on a band: its symbology, its text (fixed, from a field
// or from an expression) and how it is drawn.
#pragma once

#include "model/Views.h"

namespace orv {

enum TfrxBarcodeType {
    bcCode_2_5_interleaved, bcCode_2_5_industrial, bcCode_2_5_matrix, bcCode39, bcCode39Extended, bcCode128,
    bcCode128A, bcCode128B, bcCode128C, bcCode93, bcCode93Extended, bcCodeMSI, bcCodePostNet, bcCodeCodabar,
    bcCodeEAN8, bcCodeEAN13, bcCodeUPC_A, bcCodeUPC_E0, bcCodeUPC_E1, bcCodeUPC_Supp2, bcCodeUPC_Supp5,
    bcCodeEAN128, bcCodeEAN128A, bcCodeEAN128B, bcCodeEAN128C
};

const TEnumInfo& BarcodeTypeEnum();

class TfrxBarCodeView : public TfrxView {
public:
    explicit TfrxBarCodeView(TComponent* AOwner);
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "BarCode"; }

    TfrxBarcodeType BarType = bcCode39;
    bool CalcCheckSum = false;
    std::string Expression;
    std::string Text = "12345678";
    bool ShowText = true;
    TfrxHAlign HAlign = haLeft;
    int Rotation = 0;
    long double WideBarRatio = 2;
    long double Zoom = 1;

protected:
    // Digits taller than size 9 would not fit under the bars.
    void FontChanged() override;
};

} // namespace orv
