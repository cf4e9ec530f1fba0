#include "platform/Printers.h"

#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(PrinterTest, WithoutPrintersThereIsNoCurrentOne) {
    TPrinter none(std::vector<std::string>{});
    EXPECT_TRUE(none.Printers().empty());
    try {
        none.CurrentName();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "There is no default printer currently selected");
    }
}

TEST(PrinterTest, ChoosingTheFirstPrinter) {
    TPrinter p({"Oficina", "Almac\xE9n"}, 1);
    EXPECT_EQ(p.CurrentName(), "Almac\xE9n");
    p.SetPrinterIndex(0);
    EXPECT_EQ(p.CurrentName(), "Oficina");
    EXPECT_THROW(p.SetPrinterIndex(2), Exception);
}

TEST(PrinterTest, SystemListAnswersWithoutAPrintServer) {
    TPrinter system;  // must not hang or fail when no print server runs
    EXPECT_GE(system.PrinterIndex(), -1);
}

} // namespace
} // namespace orv
