// Published properties that several component classes share, each added
// where the class's own list places it.
#pragma once

#include "model/Component.h"
#include "model/PropertyRegistry.h"

namespace orv {

template <class C>
void AddGeometryProperties(TClassBuilder<C>& b)
{
    b.Extended("Left", &C::Left, &C::SetLeft);
    b.Extended("Top", &C::Top, &C::SetTop);
    b.Extended("Width", &C::Width, &C::SetWidth);
    b.Extended("Height", &C::Height, &C::SetHeight);
}

// Font is written only while the component does not share its parent's font.
template <class C>
TPropInfo& AddFontProperty(TClassBuilder<C>& b)
{
    return b.Object("Font", &TFont::StaticClass, [](C& c) { return &c.Font(); })
        .StoredWhen([](const TPersistent& o) { return !static_cast<const C&>(o).ParentFont(); });
}

template <class C>
TPropInfo& AddParentFontProperty(TClassBuilder<C>& b)
{
    return b.Boolean("ParentFont", &C::ParentFont, &C::SetParentFont).WithDefault(true);
}

template <class C>
TPropInfo& AddVisibleProperty(TClassBuilder<C>& b)
{
    return b.Boolean("Visible", &C::Visible).WithDefault(true);
}

template <class C>
TPropInfo& AddRestrictionsProperty(TClassBuilder<C>& b)
{
    return b.Set("Restrictions", RestrictionEnum(), &C::Restrictions).WithDefault(0);
}

} // namespace orv
