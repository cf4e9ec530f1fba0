#include "objects/GradientView.h"

#include "model/Font.h"
#include "model/ViewProperties.h"

namespace orv {

namespace {

constexpr TColor kWhite = 16777215;
constexpr TColor kGrey = 8421504;

int Channel(TColor color, int shift)
{
    return static_cast<int>((color >> shift) & 0xFF);
}

} // namespace

const TClassInfo& TfrxGradientView::StaticClass()
{
    static const auto info =
        MakeClass<TfrxGradientView>("TfrxGradientView", &TfrxView::StaticClass(), [](auto& b) {
            using V = TfrxGradientView;
            b.Color("BeginColor", &V::BeginColor).StoredWhen(When<V>([](const V& v) { return v.BeginColor != kWhite; }));
            b.Color("EndColor", &V::EndColor).StoredWhen(When<V>([](const V& v) { return v.EndColor != kGrey; }));
            b.Enum("Style", GradientStyleEnum(), &V::Style);
            AddFrameProperty(b);
            // Read back it is the blend's middle, so it is not written.
            b.Color("Color", &V::BlendColor, &V::SetColor).Never();
            b.Creatable();
        });
    return *info;
}

TColor TfrxGradientView::BlendColor() const
{
    TColor color = 0;
    for (int shift : {0, 8, 16}) {
        const int begin = Channel(BeginColor, shift);
        const auto middle = begin + MulDiv(127, Channel(EndColor, shift) - begin, 255);
        color |= static_cast<TColor>(middle & 0xFF) << shift;
    }
    return color;
}

} // namespace orv
