#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/charts/PrinterEntries.h"

using namespace strelvan;
using namespace std::string_literals;

TEST(PrinterEntries, TakeNextNullItemCutsAtTheFirstNul) {
    std::string rest = "Plotter A\0Laser 2\0"s;
    EXPECT_EQ(TakeNextNullItem(rest), "Plotter A");
    EXPECT_EQ(rest, "Laser 2\0"s);
    EXPECT_EQ(TakeNextNullItem(rest), "Laser 2");
    EXPECT_EQ(rest, "");

    rest = "\0next\0"s; // an empty item
    EXPECT_EQ(TakeNextNullItem(rest), "");
    EXPECT_EQ(rest, "next\0"s);

    rest = "no end";
    EXPECT_EQ(TakeNextNullItem(rest), "");
    EXPECT_EQ(rest, "no end");
}

TEST(PrinterEntries, ListOfNames) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(NullSeparatedItems(""), Names{});
    EXPECT_EQ(NullSeparatedItems("One\0"s), Names{"One"});
    EXPECT_EQ(NullSeparatedItems("One\0Two, with comma\0Three\0"s),
              (Names{"One", "Two, with comma", "Three"}));
    // The last name without its NUL (a list cut short) is still taken.
    EXPECT_EQ(NullSeparatedItems("One\0Tw"s), (Names{"One", "Tw"}));
    EXPECT_EQ(NullSeparatedItems("Only"), Names{"Only"});
}

TEST(PrinterEntries, DriverAndPortFromTheFirstTwoCommas) {
    std::string driver = "old", port = "old";
    GetDriverAndPort("winspool,Ne00:,15,45", driver, port);
    EXPECT_EQ(driver, "winspool");
    EXPECT_EQ(port, "Ne00:");
    // Several ports: only the first.
    GetDriverAndPort("winspool,LPT1:,15,45,LPT2:,15,45", driver, port);
    EXPECT_EQ(port, "LPT1:");
    GetDriverAndPort("HP LaserJet,lj-office,", driver, port);
    EXPECT_EQ(driver, "HP LaserJet");
    EXPECT_EQ(port, "lj-office");
    // One comma: a driver but no port.
    GetDriverAndPort("winspool,LPT1:", driver, port);
    EXPECT_EQ(driver, "winspool");
    EXPECT_EQ(port, "");
    // No comma: neither.
    GetDriverAndPort("winspool", driver, port);
    EXPECT_EQ(driver, "");
    EXPECT_EQ(port, "");
    GetDriverAndPort("", driver, port);
    EXPECT_EQ(driver, "");
    EXPECT_EQ(port, "");
    // Empty fields stay empty.
    GetDriverAndPort(",,15", driver, port);
    EXPECT_EQ(driver, "");
    EXPECT_EQ(port, "");
}

TEST(PrinterEntries, DefaultPrinterValueAndItsName) {
    EXPECT_EQ(DefaultPrinterValue("Office Laser", "winspool", "Ne00:"),
              "Office Laser,winspool,Ne00:");
    EXPECT_EQ(DefaultPrinterName("Office Laser,winspool,Ne00:"), "Office Laser");
    // A name with commas of its own comes back whole.
    const std::string v = DefaultPrinterValue("Plotter, 2nd floor", "hpgl", "lp0");
    EXPECT_EQ(DefaultPrinterName(v), "Plotter, 2nd floor");
    EXPECT_EQ(DefaultPrinterName("Lonely"), "Lonely");
    EXPECT_EQ(DefaultPrinterName("Name,driver"), "Name,driver");
}
