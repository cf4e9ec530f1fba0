// The report's four groups of settings: how the engine runs, how a preview
// behaves, how printing goes, and what the template says about itself.
#pragma once

#include "model/Persistent.h"
#include "model/Picture.h"
#include "platform/StringList.h"

#include <string>

namespace orv {

enum TfrxSilentMode { simMessageBoxes, simSilent, simReThrow };
enum TfrxPrintMode { pmDefault, pmSplit, pmJoin, pmScale };
enum TfrxPrintPages { ppAll, ppOdd, ppEven };
enum TfrxZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };

class TfrxEngineOptions : public TPersistent {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    void Assign(const TfrxEngineOptions& source) { *this = source; }

    // The Boolean view of NewSilentMode: true is simSilent.
    bool SilentMode() const { return NewSilentMode == simSilent; }
    void SetSilentMode(bool value) { NewSilentMode = value ? simSilent : simMessageBoxes; }

    bool ConvertNulls = true;
    bool DoublePass = false;
    bool IgnoreDevByZero = false;
    int MaxMemSize = 10;
    bool PrintIfEmpty = true;
    TfrxSilentMode NewSilentMode = simMessageBoxes;
    std::string TempDir;
    bool UseFileCache = false;
    bool DestroyForms = true;
    bool ThreadSafeMode = false;
};

class TfrxPreviewOptions : public TPersistent {
public:
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    void Assign(const TfrxPreviewOptions& source) { *this = source; }

    bool AllowEdit = true;
    int Buttons = 4095;
    bool DoubleBuffered = true;
    bool Maximized = true;
    bool MDIChild = false;
    bool Modal = true;
    bool OutlineExpand = true;
    bool OutlineVisible = false;
    int OutlineWidth = 120;
    int PagesInCache = 50;
    bool ThumbnailVisible = false;
    bool ShowCaptions = false;
    long double Zoom = 1;
    TfrxZoomMode ZoomMode = zmDefault;
    bool PictureCacheInFile = false;
};

class TfrxPrintOptions : public TPersistent {
public:
    TfrxPrintOptions();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    void Assign(const TfrxPrintOptions& source) { *this = source; }
    // The values of a new report.
    void Clear();

    int Copies = 1;
    bool Collate = true;
    std::string PageNumbers;
    std::string Printer;
    TfrxPrintMode PrintMode = pmDefault;
    int PrintOnSheet = 0;
    TfrxPrintPages PrintPages = ppAll;
    bool Reverse = false;
    bool ShowDialog = true;
    bool SwapPageSize = false;
};

class TfrxReportOptions : public TPersistent {
public:
    TfrxReportOptions();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TClassInfo& StaticClass();
    // The values of a new report, dated now.
    void Clear();

    std::string Author;
    bool Compressed = false;
    std::string ConnectionName;
    double CreateDate = 0; // days since 30 December 1899
    TStringList Description;
    std::string InitString;
    std::string Name;
    double LastChange = 0;
    std::string Password;
    TPicture Picture;
    std::string VersionBuild;
    std::string VersionMajor;
    std::string VersionMinor;
    std::string VersionRelease;
};

// The local date and time as days since 30 December 1899.
double NowAsDateTime();

} // namespace orv
