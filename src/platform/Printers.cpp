#include "platform/Printers.h"

#include "platform/Exception.h"

#include <cups/cups.h>

namespace orv {
namespace {

constexpr const char* kNoDefaultPrinter = "There is no default printer currently selected";
constexpr const char* kPrinterIndexOutOfRange = "Printer index out of range";

} // namespace

TPrinter::TPrinter() {
    cups_dest_t* dests = nullptr;
    int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i) {
        if (dests[i].is_default) FIndex = i;
        FPrinters.emplace_back(dests[i].name);
    }
    cupsFreeDests(count, dests);
}

TPrinter::TPrinter(std::vector<std::string> printers, int defaultIndex)
    : FPrinters(std::move(printers)), FIndex(defaultIndex) {}

void TPrinter::SetPrinterIndex(int index) {
    if (index < -1 || index >= static_cast<int>(FPrinters.size())) throw Exception(kPrinterIndexOutOfRange);
    FIndex = index;
}

const std::string& TPrinter::CurrentName() const {
    if (FIndex < 0 || FIndex >= static_cast<int>(FPrinters.size())) throw Exception(kNoDefaultPrinter);
    return FPrinters[static_cast<std::size_t>(FIndex)];
}

} // namespace orv
