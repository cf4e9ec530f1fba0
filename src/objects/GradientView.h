// A rectangle filled with a colour blend from BeginColor to EndColor in one
// of six styles.
#pragma once

#include "model/Views.h"

namespace orv {

class TfrxGradientView : public TfrxView {
public:
    using TfrxView::TfrxView;
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    std::string NameStem() const override { return "Gradient"; }

    // The middle colour of the blend; setting it sets the ordinary view colour.
    TColor BlendColor() const;

    TColor BeginColor = 16777215;
    TColor EndColor = 8421504;
    TfrxGradientStyle Style = gsHorizontal;
};

} // namespace orv
