// The system's printer list and the process's current printer, read from the
// print system's destination list.
#pragma once

#include <string>
#include <vector>

namespace orv {

class TPrinter {
public:
    // Reads the destination list once; an unreachable print system gives none.
    TPrinter();
    explicit TPrinter(std::vector<std::string> printers, int defaultIndex = -1);

    const std::vector<std::string>& Printers() const { return FPrinters; }
    int PrinterIndex() const { return FIndex; }
    // Makes a printer current; fails for an index outside the list.
    void SetPrinterIndex(int index);
    // The current printer's name; fails when there is none.
    const std::string& CurrentName() const;

private:
    std::vector<std::string> FPrinters;
    int FIndex = -1;
};

} // namespace orv
