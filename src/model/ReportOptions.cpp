#include "model/ReportOptions.h"

#include "model/ModelMessages.h"
#include "model/PropertyRegistry.h"

#include <chrono>
#include <ctime>

namespace orv {

double NowAsDateTime()
{
    using namespace std::chrono;
    constexpr double SecondsPerDay = 86400.0;
    constexpr double UnixEpochDays = 25569.0; // 1 January 1970 counted from 30 December 1899
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const double seconds = static_cast<double>(duration_cast<milliseconds>(now.time_since_epoch()).count()) / 1000.0;
    return UnixEpochDays + (seconds + static_cast<double>(local.tm_gmtoff)) / SecondsPerDay;
}

const TClassInfo& TfrxEngineOptions::StaticClass()
{
    static const TEnumInfo silentModes("TfrxSilentMode", {"simMessageBoxes", "simSilent", "simReThrow"});
    static const auto info =
        MakeClass<TfrxEngineOptions>("TfrxEngineOptions", &TPersistent::StaticClass(), [](auto& b) {
            using E = TfrxEngineOptions;
            b.Boolean("ConvertNulls", &E::ConvertNulls).WithDefault(true);
            b.Boolean("DoublePass", &E::DoublePass).WithDefault(false);
            b.Integer("MaxMemSize", &E::MaxMemSize).WithDefault(10);
            b.Boolean("PrintIfEmpty", &E::PrintIfEmpty).WithDefault(true);
            b.Boolean("SilentMode", &E::SilentMode, &E::SetSilentMode).WithDefault(false);
            b.Enum("NewSilentMode", silentModes, &E::NewSilentMode).WithDefault(simMessageBoxes);
            b.String("TempDir", &E::TempDir);
            b.Boolean("UseFileCache", &E::UseFileCache).WithDefault(false);
            b.Boolean("IgnoreDevByZero", &E::IgnoreDevByZero).WithDefault(false);
        });
    return *info;
}

const TClassInfo& TfrxPreviewOptions::StaticClass()
{
    static const TEnumInfo zoomModes("TfrxZoomMode", {"zmDefault", "zmWholePage", "zmPageWidth", "zmManyPages"});
    static const auto info =
        MakeClass<TfrxPreviewOptions>("TfrxPreviewOptions", &TPersistent::StaticClass(), [](auto& b) {
            using P = TfrxPreviewOptions;
            b.Boolean("AllowEdit", &P::AllowEdit).WithDefault(true);
            b.Integer("Buttons", &P::Buttons).WithDefault(4095);
            b.Boolean("DoubleBuffered", &P::DoubleBuffered).WithDefault(true);
            b.Boolean("Maximized", &P::Maximized).WithDefault(true);
            b.Boolean("MDIChild", &P::MDIChild).WithDefault(false);
            b.Boolean("Modal", &P::Modal).WithDefault(true);
            b.Boolean("OutlineExpand", &P::OutlineExpand).WithDefault(true);
            b.Boolean("OutlineVisible", &P::OutlineVisible).WithDefault(false);
            b.Integer("OutlineWidth", &P::OutlineWidth).WithDefault(120);
            b.Integer("PagesInCache", &P::PagesInCache).WithDefault(50);
            b.Boolean("ThumbnailVisible", &P::ThumbnailVisible).WithDefault(false);
            b.Boolean("ShowCaptions", &P::ShowCaptions).WithDefault(false);
            b.Extended("Zoom", &P::Zoom);
            b.Enum("ZoomMode", zoomModes, &P::ZoomMode).WithDefault(zmDefault);
            b.Boolean("PictureCacheInFile", &P::PictureCacheInFile).WithDefault(false);
        });
    return *info;
}

TfrxPrintOptions::TfrxPrintOptions()
{
    Clear();
}

void TfrxPrintOptions::Clear()
{
    Copies = 1;
    Collate = true;
    PageNumbers.clear();
    Printer = msg::prDefault;
    PrintMode = pmDefault;
    PrintOnSheet = 0;
    PrintPages = ppAll;
    Reverse = false;
    ShowDialog = true;
    SwapPageSize = false;
}

const TClassInfo& TfrxPrintOptions::StaticClass()
{
    static const TEnumInfo printModes("TfrxPrintMode", {"pmDefault", "pmSplit", "pmJoin", "pmScale"});
    static const TEnumInfo printPages("TfrxPrintPages", {"ppAll", "ppOdd", "ppEven"});
    static const auto info = MakeClass<TfrxPrintOptions>("TfrxPrintOptions", &TPersistent::StaticClass(), [](auto& b) {
        using P = TfrxPrintOptions;
        b.Integer("Copies", &P::Copies).WithDefault(1);
        b.Boolean("Collate", &P::Collate).WithDefault(true);
        b.String("PageNumbers", &P::PageNumbers);
        b.String("Printer", &P::Printer);
        b.Enum("PrintMode", printModes, &P::PrintMode).WithDefault(pmDefault);
        b.Integer("PrintOnSheet", &P::PrintOnSheet).WithDefault(0);
        b.Enum("PrintPages", printPages, &P::PrintPages).WithDefault(ppAll);
        b.Boolean("Reverse", &P::Reverse).WithDefault(false);
        b.Boolean("ShowDialog", &P::ShowDialog).WithDefault(true);
        b.Boolean("SwapPageSize", &P::SwapPageSize).Never();
    });
    return *info;
}

TfrxReportOptions::TfrxReportOptions()
{
    Clear();
}

void TfrxReportOptions::Clear()
{
    Author.clear();
    Compressed = false;
    ConnectionName.clear();
    CreateDate = NowAsDateTime();
    LastChange = CreateDate;
    Description.Clear();
    InitString.clear();
    Name.clear();
    Password.clear();
    Picture.Clear();
    VersionBuild.clear();
    VersionMajor.clear();
    VersionMinor.clear();
    VersionRelease.clear();
}

const TClassInfo& TfrxReportOptions::StaticClass()
{
    static const auto info =
        MakeClass<TfrxReportOptions>("TfrxReportOptions", &TPersistent::StaticClass(), [](auto& b) {
            using R = TfrxReportOptions;
            b.String("Author", &R::Author);
            b.Boolean("Compressed", &R::Compressed).WithDefault(false);
            b.String("ConnectionName", &R::ConnectionName);
            b.Float("CreateDate", &R::CreateDate);
            b.Strings("Description", [](R& r) -> TStringList& { return r.Description; });
            b.String("InitString", &R::InitString);
            b.String("Name", &R::Name);
            b.Float("LastChange", &R::LastChange);
            b.String("Password", &R::Password);
            b.Object("Picture", &TPicture::StaticClass, [](R& r) { return &r.Picture; });
            b.String("VersionBuild", &R::VersionBuild);
            b.String("VersionMajor", &R::VersionMajor);
            b.String("VersionMinor", &R::VersionMinor);
            b.String("VersionRelease", &R::VersionRelease);
        });
    return *info;
}

} // namespace orv
