// The printers that report pages take their paper defaults from: the
// installed printers, or one virtual printer when none is installed.
// Printing itself is not part of this system.
#pragma once

#include "model/Pages.h"
#include "model/PaperTable.h"

#include <memory>
#include <string>
#include <vector>

namespace orv {

class TPrinter;

// A paper bin or a paper of a printer's lists.
struct TfrxPrinterItem {
    std::string Name;
    int Code = 0;
};

class TfrxCustomPrinter {
public:
    TfrxCustomPrinter(std::string name, std::string port);
    virtual ~TfrxCustomPrinter() = default;

    const std::string& Name() const { return FName; }
    const std::string& Port() const { return FPort; }

    // Fills the lists and the defaults; runs once, when the printer becomes current.
    void Init();
    bool Initialized() const { return FInitialized; }
    // A code of the paper table other than custom takes the table's size
    // (exchanged for landscape) and keeps the code; any other code gives a
    // custom paper of the given width and height.
    void SetViewParams(int paperSize, long double paperWidth, long double paperHeight,
                       TPrinterOrientation orientation);

    std::vector<TfrxPrinterItem> Bins;
    std::vector<TfrxPrinterItem> Papers;
    int DPIX = 600;
    int DPIY = 600;
    int DefPaper = PaperA4;
    long double DefPaperWidth = 210;
    long double DefPaperHeight = 297;
    TPrinterOrientation DefOrientation = poPortrait;
    int Paper = PaperA4;
    long double PaperWidth = 210;
    long double PaperHeight = 297;
    TPrinterOrientation Orientation = poPortrait;
    int Bin = -1;
    int Duplex = -1;
    // The printable area's margins, in millimetres.
    long double LeftMargin = 0;
    long double TopMargin = 0;
    long double RightMargin = 0;
    long double BottomMargin = 0;

private:
    std::string FName;
    std::string FPort;
    bool FInitialized = false;
};

// An installed printer. The platform names it but does not describe its
// papers, so it offers the paper table like the virtual printer.
class TfrxPrinter : public TfrxCustomPrinter {
public:
    using TfrxCustomPrinter::TfrxCustomPrinter;
};

// Stands in when no printer is installed.
class TfrxVirtualPrinter : public TfrxCustomPrinter {
public:
    TfrxVirtualPrinter();
};

class TfrxPrinters {
public:
    // The installed printers of the system's list, the system default
    // current; the virtual printer alone when the list is empty.
    explicit TfrxPrinters(const TPrinter& system);

    int Count() const { return static_cast<int>(FPrinters.size()); }
    TfrxCustomPrinter& Item(int index) const;
    // Ignores letter case; -1 when absent.
    int IndexOf(const std::string& name) const;
    int PrinterIndex() const { return FIndex; }
    // -1 makes the system default printer current.
    void SetPrinterIndex(int index);
    TfrxCustomPrinter& Printer() const { return Item(FIndex); }

private:
    std::vector<std::unique_ptr<TfrxCustomPrinter>> FPrinters;
    int FDefaultIndex = 0;
    int FIndex = 0;
};

// The process-wide list, read from the system on first use.
TfrxPrinters& frxPrinters();

// What a page created in the designer gets: margins of 10 mm and the current
// printer's default paper and orientation.
void ApplyPrinterDefaults(TfrxReportPage& page);

} // namespace orv
