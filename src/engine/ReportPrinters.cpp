#include "engine/ReportPrinters.h"

#include "engine/PrinterMessages.h"
#include "model/PaperTable.h"
#include "model/XmlMessages.h"
#include "platform/Exception.h"
#include "platform/Printers.h"
#include "platform/Text.h"

#include <utility>

namespace orv {

namespace {

constexpr int kDefaultBin = 7;
constexpr long double kPrintableMargin = 5;

} // namespace

TfrxCustomPrinter::TfrxCustomPrinter(std::string name, std::string port)
    : FName(std::move(name)), FPort(std::move(port))
{
}

void TfrxCustomPrinter::Init()
{
    if (FInitialized)
        return;
    FInitialized = true;
    Bins = {{msg::prDefault, kDefaultBin}};
    Papers = {{msg::prCustom, PaperCustom}};
    for (int code : PaperCodes())
        Papers.push_back({"", code});
    SetViewParams(DefPaper, DefPaperWidth, DefPaperHeight, DefOrientation);
}

void TfrxCustomPrinter::SetViewParams(int paperSize, long double paperWidth, long double paperHeight,
                                      TPrinterOrientation orientation)
{
    long double w = 0, h = 0;
    if (paperSize != PaperCustom && PaperDimensions(paperSize, w, h)) {
        Paper = paperSize;
        if (orientation == poLandscape)
            std::swap(w, h);
    } else {
        Paper = PaperCustom;
        w = paperWidth;
        h = paperHeight;
    }
    PaperWidth = w;
    PaperHeight = h;
    Orientation = orientation;
    LeftMargin = TopMargin = RightMargin = BottomMargin = kPrintableMargin;
}

TfrxVirtualPrinter::TfrxVirtualPrinter() : TfrxCustomPrinter(msg::prVirtual, "")
{
}

TfrxPrinters::TfrxPrinters(const TPrinter& system)
{
    for (const std::string& name : system.Printers())
        FPrinters.push_back(std::make_unique<TfrxPrinter>(name, ""));
    if (FPrinters.empty())
        FPrinters.push_back(std::make_unique<TfrxVirtualPrinter>());
    FDefaultIndex = system.PrinterIndex() >= 0 && system.PrinterIndex() < Count() ? system.PrinterIndex() : 0;
    SetPrinterIndex(-1);
}

TfrxCustomPrinter& TfrxPrinters::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception(xmlmsg::ListIndexOutOfBounds + std::to_string(index) + ")");
    return *FPrinters[static_cast<std::size_t>(index)];
}

int TfrxPrinters::IndexOf(const std::string& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (SameText(FPrinters[static_cast<std::size_t>(i)]->Name(), name))
            return i;
    return -1;
}

void TfrxPrinters::SetPrinterIndex(int index)
{
    const int chosen = index == -1 ? FDefaultIndex : index;
    Item(chosen).Init();
    FIndex = chosen;
}

TfrxPrinters& frxPrinters()
{
    static TfrxPrinters printers{TPrinter()};
    return printers;
}

void ApplyPrinterDefaults(TfrxReportPage& page)
{
    const TfrxCustomPrinter& printer = frxPrinters().Printer();
    page.LeftMargin = page.RightMargin = page.TopMargin = page.BottomMargin = 10;
    page.SetOrientation(printer.DefOrientation);
    page.SetPaperSize(printer.DefPaper);
    if (printer.DefPaper == PaperCustom) {
        page.SetPaperWidth(printer.DefPaperWidth);
        page.SetPaperHeight(printer.DefPaperHeight);
    }
    page.UpdatePixelSize();
}

} // namespace orv
