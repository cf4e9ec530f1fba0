#include "objects/LoadOnlyViews.h"

#include "model/ViewProperties.h"

namespace orv {

namespace {

// What every view kind of the family publishes: binding, fill, frame, link.
template <class C>
void AddCommonViewProperties(TClassBuilder<C>& b)
{
    AddBrushStyleProperty(b, &C::FillSlot);
    AddFillColorProperty(b, &C::FillSlot).Never();
    b.Integer("Cursor", &C::Cursor).WithDefault(0);
    AddDataFieldProperty(b);
    AddDataSetProperties(b);
    AddFillTypeProperty(b, &C::FillSlot).WithDefault(ftBrush);
    AddFillProperty(b, &C::FillSlot);
    AddFrameProperty(b);
    b.String("TagStr", &C::TagStr);
    b.String("URL", &C::URL).Never();
    b.Creatable();
}

} // namespace

const TClassInfo& TfrxRichView::StaticClass()
{
    static const auto info = MakeClass<TfrxRichView>("TfrxRichView", &TfrxStretcheable::StaticClass(),
                                                     [](auto& b) { AddCommonViewProperties(b); });
    return *info;
}

const TClassInfo& TfrxCrossView::StaticClass()
{
    static const auto info = MakeClass<TfrxCrossView>("TfrxCrossView", &TfrxView::StaticClass(),
                                                      [](auto& b) { AddCommonViewProperties(b); });
    return *info;
}

const TClassInfo& TfrxOLEView::StaticClass()
{
    static const auto info = MakeClass<TfrxOLEView>("TfrxOLEView", &TfrxView::StaticClass(),
                                                    [](auto& b) { AddCommonViewProperties(b); });
    return *info;
}

} // namespace orv
