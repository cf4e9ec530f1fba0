#include "model/Styles.h"

#include "model/FillProperties.h"
#include "model/Report.h"
#include "model/Views.h"
#include "platform/Text.h"

namespace orv {

TfrxStyleItem::TfrxStyleItem()
{
    Font.SetName("Arial");
    Font.SetSize(10);
    Font.SetCharset(DEFAULT_CHARSET);
}

const TClassInfo& TfrxStyleItem::StaticClass()
{
    static const auto info = MakeClass<TfrxStyleItem>("TfrxStyleItem", &TPersistent::StaticClass(), [](auto& b) {
        using S = TfrxStyleItem;
        b.String("Name", &S::Name);
        b.Boolean("ApplyFont", &S::ApplyFont).WithDefault(true);
        b.Boolean("ApplyFill", &S::ApplyFill).WithDefault(true);
        b.Boolean("ApplyFrame", &S::ApplyFrame).WithDefault(true);
        AddFillColorProperty(b, &S::FillSlot).Never();
        AddFillTypeProperty(b, &S::FillSlot).WithDefault(ftBrush);
        AddFillProperty(b, &S::FillSlot);
        b.Object("Font", &TFont::StaticClass, [](S& s) { return &s.Font; });
        b.Object("Frame", &TfrxFrame::StaticClass, [](S& s) { return &s.Frame; });
    });
    return *info;
}

const TClassInfo& TfrxStyles::StaticClass()
{
    static const auto info = MakeClass<TfrxStyles>("TfrxStyles", &TfrxCollection::StaticClass(), [](auto&) {});
    return *info;
}

TfrxStyleItem* TfrxStyles::Find(std::string_view name) const
{
    for (std::size_t i = 0; i < Count(); ++i)
        if (SameText((*this)[i].Name, name))
            return &(*this)[i];
    return nullptr;
}

void TfrxStyles::Apply() const
{
    if (!FReport)
        return;
    for (TfrxComponent* c : FReport->AllObjects())
        if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(c); memo && !memo->Style().empty())
            memo->SetStyle(memo->Style());
}

std::vector<std::string> TfrxStyles::GetList() const
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < Count(); ++i)
        names.push_back((*this)[i].Name);
    return names;
}

} // namespace orv
