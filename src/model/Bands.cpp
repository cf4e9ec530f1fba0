#include "model/Bands.h"

#include "model/ComponentProperties.h"
#include "model/FillProperties.h"

#include <initializer_list>
#include <string_view>

namespace orv {

namespace {

// The settings that live on TfrxBand and that each kind publishes in the
// order of its own list.
template <class C>
void AddBandSetting(TClassBuilder<C>& b, std::string_view name)
{
    using B = TfrxBand;
    if (name == "Child") {
        b.Reference("Child", &B::Child);
        return;
    }
    if (name == "OutlineText") {
        b.String("OutlineText", &B::OutlineText);
        return;
    }
    struct Flag {
        std::string_view Name;
        bool B::*Field;
    };
    static constexpr Flag Flags[] = {
        {"AllowSplit", &B::AllowSplit},
        {"KeepChild", &B::KeepChild},
        {"KeepTogether", &B::KeepTogether},
        {"PrintChildIfInvisible", &B::PrintChildIfInvisible},
        {"ReprintOnNewPage", &B::ReprintOnNewPage},
        {"StartNewPage", &B::StartNewPage},
        {"Stretched", &B::Stretched},
    };
    for (const Flag& f : Flags)
        if (f.Name == name)
            b.Boolean(std::string(f.Name), f.Field).WithDefault(false);
}

template <class C>
void AddBandSettings(TClassBuilder<C>& b, std::initializer_list<std::string_view> names)
{
    for (std::string_view name : names)
        AddBandSetting(b, name);
}

// The settings of report titles, summaries and child bands.
template <class C>
void AddTitleSettings(TClassBuilder<C>& b)
{
    AddBandSettings(b, {"AllowSplit", "Child", "KeepChild", "PrintChildIfInvisible", "StartNewPage", "Stretched"});
}

template <class C, class F>
std::unique_ptr<TClassInfo> MakeBand(const char* name, const TClassInfo& parent, F fill)
{
    return MakeClass<C>(name, &parent, [fill](auto& b) {
        fill(b);
        b.Creatable();
    });
}

} // namespace

const TClassInfo& TfrxFillGaps::StaticClass()
{
    static const auto info = MakeClass<TfrxFillGaps>("TfrxFillGaps", &TPersistent::StaticClass(), [](auto& b) {
        b.Integer("Top", &TfrxFillGaps::Top);
        b.Integer("Left", &TfrxFillGaps::Left);
        b.Integer("Bottom", &TfrxFillGaps::Bottom);
        b.Integer("Right", &TfrxFillGaps::Right);
    });
    return *info;
}

const TClassInfo& TfrxBand::StaticClass()
{
    static const auto info = MakeClass<TfrxBand>("TfrxBand", &TfrxReportComponent::StaticClass(), [](auto& b) {
        AddFillTypeProperty(b, &TfrxBand::FillSlot);
        AddFillProperty(b, &TfrxBand::FillSlot);
        b.Object("FillGap", &TfrxFillGaps::StaticClass, [](TfrxBand& band) { return &band.FillGap; });
        AddFontProperty(b);
        b.Extended("Height", &TfrxBand::Height, &TfrxBand::SetHeight);
        b.Extended("Left", &TfrxBand::Left, &TfrxBand::SetLeft);
        b.Extended("Top", &TfrxBand::Top, &TfrxBand::SetTop);
        b.Extended("Width", &TfrxBand::Width, &TfrxBand::SetWidth);
        AddParentFontProperty(b);
        AddRestrictionsProperty(b);
        b.Boolean("Vertical", &TfrxBand::Vertical).WithDefault(false);
        AddVisibleProperty(b);
        b.String("OnAfterCalcHeight", &TfrxBand::OnAfterCalcHeight);
        b.String("OnAfterPrint", &TfrxBand::OnAfterPrint);
        b.String("OnBeforePrint", &TfrxBand::OnBeforePrint);
    });
    return *info;
}

const TClassInfo& TfrxDataBand::StaticClass()
{
    static const auto info = MakeClass<TfrxDataBand>("TfrxDataBand", &TfrxBand::StaticClass(), [](auto& b) {
        using D = TfrxDataBand;
        AddBandSettings(b, {"AllowSplit", "Child"});
        b.Integer("Columns", &D::Columns).WithDefault(0);
        b.Extended("ColumnWidth", &D::ColumnWidth);
        b.Extended("ColumnGap", &D::ColumnGap);
        b.Reference("DataSet", &TfrxDataSet::StaticClass, &D::DataSet, &D::SetDataSet);
        b.String("DataSetName", &D::DataSetName, &D::SetDataSetName);
        b.Boolean("FooterAfterEach", &D::FooterAfterEach).WithDefault(false);
        b.String("Filter", &D::Filter);
        AddBandSettings(b, {"KeepChild"});
        b.Boolean("KeepFooter", &D::KeepFooter).WithDefault(false);
        b.Boolean("KeepHeader", &D::KeepHeader).WithDefault(false);
        AddBandSettings(b, {"KeepTogether", "OutlineText", "PrintChildIfInvisible"});
        b.Boolean("PrintIfDetailEmpty", &D::PrintIfDetailEmpty).WithDefault(false);
        b.Integer("RowCount", &D::RowCount);
        AddBandSettings(b, {"StartNewPage", "Stretched"});
        b.String("OnMasterDetail", &D::OnMasterDetail);
    });
    return *info;
}

const TClassInfo& TfrxMasterData::StaticClass()
{
    static const auto info = MakeBand<TfrxMasterData>("TfrxMasterData", TfrxDataBand::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxDetailData::StaticClass()
{
    static const auto info = MakeBand<TfrxDetailData>("TfrxDetailData", TfrxDataBand::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxSubdetailData::StaticClass()
{
    static const auto info =
        MakeBand<TfrxSubdetailData>("TfrxSubdetailData", TfrxDataBand::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxDataBand4::StaticClass()
{
    static const auto info = MakeBand<TfrxDataBand4>("TfrxDataBand4", TfrxDataBand::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxDataBand5::StaticClass()
{
    static const auto info = MakeBand<TfrxDataBand5>("TfrxDataBand5", TfrxDataBand::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxDataBand6::StaticClass()
{
    static const auto info = MakeBand<TfrxDataBand6>("TfrxDataBand6", TfrxDataBand::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxHeader::StaticClass()
{
    static const auto info = MakeBand<TfrxHeader>("TfrxHeader", TfrxBand::StaticClass(), [](auto& b) {
        AddBandSettings(b, {"AllowSplit", "Child", "KeepChild", "PrintChildIfInvisible", "ReprintOnNewPage",
                            "StartNewPage", "Stretched"});
    });
    return *info;
}

const TClassInfo& TfrxFooter::StaticClass()
{
    static const auto info = MakeBand<TfrxFooter>("TfrxFooter", TfrxBand::StaticClass(), [](auto& b) {
        AddBandSettings(b, {"AllowSplit", "Child", "KeepChild", "PrintChildIfInvisible", "Stretched"});
    });
    return *info;
}

const TClassInfo& TfrxColumnHeader::StaticClass()
{
    static const auto info = MakeBand<TfrxColumnHeader>("TfrxColumnHeader", TfrxBand::StaticClass(),
                                                        [](auto& b) { AddBandSettings(b, {"Child", "Stretched"}); });
    return *info;
}

const TClassInfo& TfrxColumnFooter::StaticClass()
{
    static const auto info = MakeBand<TfrxColumnFooter>("TfrxColumnFooter", TfrxBand::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxReportTitle::StaticClass()
{
    static const auto info = MakeBand<TfrxReportTitle>("TfrxReportTitle", TfrxBand::StaticClass(),
                                                       [](auto& b) { AddTitleSettings(b); });
    return *info;
}

const TClassInfo& TfrxReportSummary::StaticClass()
{
    static const auto info = MakeBand<TfrxReportSummary>("TfrxReportSummary", TfrxBand::StaticClass(),
                                                         [](auto& b) { AddTitleSettings(b); });
    return *info;
}

const TClassInfo& TfrxChild::StaticClass()
{
    static const auto info =
        MakeBand<TfrxChild>("TfrxChild", TfrxBand::StaticClass(), [](auto& b) { AddTitleSettings(b); });
    return *info;
}

const TClassInfo& TfrxNullBand::StaticClass()
{
    static const auto info = MakeBand<TfrxNullBand>("TfrxNullBand", TfrxBand::StaticClass(), [](auto&) {});
    return *info;
}

const TClassInfo& TfrxPageHeader::StaticClass()
{
    static const auto info = MakeBand<TfrxPageHeader>("TfrxPageHeader", TfrxBand::StaticClass(), [](auto& b) {
        AddBandSettings(b, {"Child", "PrintChildIfInvisible"});
        b.Boolean("PrintOnFirstPage", &TfrxPageHeader::PrintOnFirstPage).WithDefault(true);
        AddBandSettings(b, {"Stretched"});
    });
    return *info;
}

const TClassInfo& TfrxPageFooter::StaticClass()
{
    static const auto info = MakeBand<TfrxPageFooter>("TfrxPageFooter", TfrxBand::StaticClass(), [](auto& b) {
        b.Boolean("PrintOnFirstPage", &TfrxPageFooter::PrintOnFirstPage).WithDefault(true);
        b.Boolean("PrintOnLastPage", &TfrxPageFooter::PrintOnLastPage).WithDefault(true);
    });
    return *info;
}

const TClassInfo& TfrxGroupHeader::StaticClass()
{
    static const auto info = MakeBand<TfrxGroupHeader>("TfrxGroupHeader", TfrxBand::StaticClass(), [](auto& b) {
        using G = TfrxGroupHeader;
        AddBandSettings(b, {"AllowSplit", "Child"});
        b.String("Condition", &G::Condition);
        b.Boolean("DrillDown", &G::DrillDown).WithDefault(false);
        b.Boolean("ExpandDrillDown", &G::ExpandDrillDown).WithDefault(false);
        AddBandSettings(b, {"KeepChild", "KeepTogether", "ReprintOnNewPage", "OutlineText", "PrintChildIfInvisible"});
        b.Boolean("ResetPageNumbers", &G::ResetPageNumbers).WithDefault(false);
        b.Boolean("ShowFooterIfDrillDown", &G::ShowFooterIfDrillDown).WithDefault(false);
        b.Boolean("ShowChildIfDrillDown", &G::ShowChildIfDrillDown).WithDefault(false);
        AddBandSettings(b, {"StartNewPage", "Stretched"});
        b.String("DrillName", &G::DrillName);
    });
    return *info;
}

const TClassInfo& TfrxGroupFooter::StaticClass()
{
    static const auto info = MakeBand<TfrxGroupFooter>("TfrxGroupFooter", TfrxBand::StaticClass(), [](auto& b) {
        AddBandSettings(b, {"AllowSplit", "Child"});
        b.Boolean("HideIfSingleDataRecord", &TfrxGroupFooter::HideIfSingleDataRecord).WithDefault(false);
        AddBandSettings(b, {"KeepChild", "PrintChildIfInvisible", "Stretched"});
    });
    return *info;
}

const TClassInfo& TfrxOverlay::StaticClass()
{
    static const auto info = MakeBand<TfrxOverlay>("TfrxOverlay", TfrxBand::StaticClass(), [](auto& b) {
        b.Boolean("PrintOnTop", &TfrxOverlay::PrintOnTop).WithDefault(false);
    });
    return *info;
}

} // namespace orv
