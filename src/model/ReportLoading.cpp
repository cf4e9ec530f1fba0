// TfrxReport: loading and saving templates, and reporting what went wrong.

#include "model/Report.h"

#include "model/Compressor.h"
#include "model/LoadingMessages.h"
#include "model/Pages.h"
#include "model/XmlError.h"
#include "model/XmlReader.h"
#include "platform/Console.h"
#include "platform/FileErrors.h"
#include "platform/Paths.h"
#include "platform/PasswordDialog.h"
#include "platform/StringFormat.h"
#include "platform/Text.h"
#include "platform/WholeFile.h"

#include <cerrno>
#include <fstream>
#include <mutex>

namespace orv {

namespace {

constexpr const char* kDataPageName = "Data";
constexpr const char* kRootElement = "TfrxReport";
// Dialog components gathered onto a new data page stand in one row.
constexpr long double kDialogRowLeft = 60;
constexpr long double kDialogRowStep = 64;
constexpr long double kDialogRowTop = 20;
// How a password is kept in a template: each character lowered by this.
constexpr unsigned char kPasswordShift = 10;

// Reading a component tree with ThreadSafeMode on holds this lock.
std::mutex& TreeReadLock()
{
    static std::mutex lock;
    return lock;
}

std::string ShiftText(const std::string& text, int by)
{
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(static_cast<unsigned char>(c) + by);
    return out;
}

std::string JoinLines(const TStringList& lines)
{
    std::string text;
    for (const std::string& line : lines.Lines()) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

// The settings of the program that a template never overrides.
struct ProgramSettings {
    explicit ProgramSettings(const TfrxReport& r)
        : Engine(r.EngineOptions), Preview(r.PreviewOptions), IniFile(r.IniFile), PreviewLink(r.Preview),
          OldStyleProgress(r.OldStyleProgress), ShowProgress(r.ShowProgress), StoreInDFM(r.StoreInDFM)
    {
    }

    // The template keeps its say on how nulls, division by zero and the
    // second pass are handled, and on how the outline and cache look.
    void Restore(TfrxReport& r) const
    {
        TfrxEngineOptions engine = Engine;
        engine.ConvertNulls = r.EngineOptions.ConvertNulls;
        engine.IgnoreDevByZero = r.EngineOptions.IgnoreDevByZero;
        engine.DoublePass = r.EngineOptions.DoublePass;
        r.EngineOptions = engine;
        TfrxPreviewOptions preview = Preview;
        preview.OutlineVisible = r.PreviewOptions.OutlineVisible;
        preview.OutlineWidth = r.PreviewOptions.OutlineWidth;
        preview.OutlineExpand = r.PreviewOptions.OutlineExpand;
        preview.PagesInCache = r.PreviewOptions.PagesInCache;
        preview.ThumbnailVisible = r.PreviewOptions.ThumbnailVisible;
        r.PreviewOptions = preview;
        r.IniFile = IniFile;
        r.Preview = PreviewLink;
        r.OldStyleProgress = OldStyleProgress;
        r.ShowProgress = ShowProgress;
        r.StoreInDFM = StoreInDFM;
    }

    TfrxEngineOptions Engine;
    TfrxPreviewOptions Preview;
    std::string IniFile;
    TComponentLink<TComponent> PreviewLink;
    bool OldStyleProgress;
    bool ShowProgress;
    bool StoreInDFM;
};

// The name of the document's outermost element, the stream left where it
// was; empty when the stream cannot go back or the text is not a document
// with an element (reading it then says what is wrong).
std::string RootElementName(std::istream& stream)
{
    const auto start = stream.tellg();
    if (start < 0)
        return "";
    std::string name, attributes;
    try {
        TfrxXMLReader reader(stream);
        reader.ReadHeaderTag();
        reader.ReadTag(name, attributes);
    } catch (const TfrxInvalidXMLException&) {
        name.clear();
    }
    stream.clear();
    stream.seekg(start);
    if (name.ends_with('/'))
        name.pop_back();
    return name.starts_with('/') ? "" : name;
}

} // namespace

void TfrxReport::ReportFailure(const std::string& text)
{
    switch (EngineOptions.NewSilentMode) {
    case simMessageBoxes:
        ShowMessageBox(msg::mbError, text);
        break;
    case simSilent:
        break;
    case simReThrow:
        throw Exception(text);
    }
}

void TfrxReport::ReportErrors()
{
    ReportFailure(std::string(msg::clErrors) + "\r\n" + JoinLines(FErrors));
}

void TfrxReport::LoadTemplateFromStream(std::istream& stream)
{
    ClearErrors();
    std::unique_ptr<TfrxCustomCompressor> compressor;
    std::istream* source = &stream;
    if (TfrxCompressorClass cls = CompressorClass()) {
        compressor = cls(TfrxCompressedDocument::Template);
        try {
            if (compressor->Decompress(stream))
                source = &compressor->Stream();
        } catch (const Exception& e) {
            // The report keeps what it held: nothing has been reset yet.
            AddError(msg::clDecompressError);
            AddError(e.what());
            ReportErrors();
            return;
        }
    }

    const ProgramSettings settings(*this);
    LoadingInProgress = true;
    try {
        ReadTemplate(*source);
    } catch (const Exception& e) {
        AddError(e.what());
    }
    LoadingInProgress = false;
    compressor.reset();
    if (!ParentReport.empty())
        AddError(Format(msg::AncestorNotSupported, {ParentReport}));
    EnsureDataPage();
    settings.Restore(*this);
    ReportOptions.Password = ShiftText(ReportOptions.Password, kPasswordShift);

    if (!EngineOptions.ThreadSafeMode && !CheckPassword()) {
        Clear();
        return;
    }
    if (FErrors.Count() > 0)
        ReportErrors();
}

void TfrxReport::ReadTemplate(std::istream& stream)
{
    const std::string root = RootElementName(stream);
    if (!root.empty() && !SameText(root, kRootElement)) {
        Clear();
        throw Exception(Format(msg::NotATemplate, {root}));
    }
    if (!EngineOptions.ThreadSafeMode) {
        LoadFromStream(stream);
        return;
    }
    std::lock_guard guard(TreeReadLock());
    LoadFromStream(stream);
}

void TfrxReport::EnsureDataPage()
{
    for (TfrxComponent* child : Objects())
        if (dynamic_cast<TfrxDataPage*>(child))
            return;
    auto* page = new TfrxDataPage(this);
    MoveChild(page, 0);
    if (FindObject(kDataPageName) || FindComponent(kDataPageName))
        page->MakeUniqueName();
    else
        page->SetName(kDataPageName);
    long double left = kDialogRowLeft;
    for (TfrxComponent* c : AllObjects()) {
        if (!dynamic_cast<TfrxDialogComponent*>(c))
            continue;
        c->SetParent(page);
        c->SetLeft(left);
        c->SetTop(kDialogRowTop);
        left += kDialogRowStep;
    }
}

bool TfrxReport::CheckPassword()
{
    const std::string& password = ReportOptions.Password;
    if (password.empty() || password == FAcceptedPassword)
        return true;
    const std::optional<std::string> answer = InputPassword();
    if (!answer || *answer != password) {
        AddError(msg::InvalidPassword);
        ReportErrors();
        return false;
    }
    FAcceptedPassword = password;
    return true;
}

bool TfrxReport::LoadFromFile(const std::string& fileName, bool raiseIfMissing)
{
    Clear();
    FFileName.clear();
    const bool exists = FileExists(fileName);
    if (!exists && !raiseIfMissing)
        return false;
    // A folder opens as a stream here, and would read as an empty one.
    if (DirectoryExists(fileName))
        throw Exception(FileOpenErrorText(fileName, EISDIR));
    std::ifstream file(fileName, std::ios::binary);
    if (!file.is_open())
        throw Exception(FileOpenErrorText(fileName, errno));
    FFileName = fileName;
    LoadTemplateFromStream(file);
    return exists;
}

void TfrxReport::SaveTemplateToStream(std::ostream& stream, bool saveChildren, bool writeAllValues)
{
    std::unique_ptr<TfrxCustomCompressor> compressor;
    if (ReportOptions.Compressed)
        if (TfrxCompressorClass cls = CompressorClass())
            compressor = cls(TfrxCompressedDocument::Template);
    std::ostream& target = compressor ? static_cast<std::ostream&>(compressor->Stream()) : stream;

    const std::string password = ReportOptions.Password;
    const TComponentLink<TComponent> preview = Preview;
    ReportOptions.Password = ShiftText(password, -kPasswordShift);
    Preview.Set(nullptr);
    try {
        SaveToStream(target, saveChildren, writeAllValues);
    } catch (...) {
        ReportOptions.Password = password;
        Preview = preview;
        throw;
    }
    ReportOptions.Password = password;
    Preview = preview;
    if (compressor)
        compressor->Compress(stream);
}

void TfrxReport::SaveTemplateToFile(const std::string& fileName)
{
    WriteFileWhole(fileName, [this](std::ostream& out) { SaveTemplateToStream(out, true); });
}

} // namespace orv
