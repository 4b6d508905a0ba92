// The printer object: texts at the current position and at print zones, outlines, the
// document's life, and the errors of a missing printer.
#include <QImage>

#include "platform/Printer.h"
#include "platform/PrinterSettings.h"
#include "ui/support/TestPrinter.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::Printer;
using platform::PrinterError;
using strelvan::test::UiTest;

namespace {

class PrinterTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        printed = test::PrintToImages(100);
    }
    Printer& printer = platform::CurrentPrinter();
};

} // namespace

TEST_F(PrinterTest, PageSizeAndResolutionFollowTheOrientation) {
    printer.Orientation(platform::kPrinterPortrait);
    EXPECT_DOUBLE_EQ(printer.Width(), 12240);
    EXPECT_DOUBLE_EQ(printer.Height(), 15840);
    printer.Orientation(platform::kPrinterLandscape);
    EXPECT_DOUBLE_EQ(printer.Width(), 15840);
    EXPECT_DOUBLE_EQ(printer.Height(), 12240);
    EXPECT_FLOAT_EQ(printer.TwipsPerPixelX(), 14.4f);
    EXPECT_FLOAT_EQ(printer.TwipsPerPixelY(), 14.4f);
    EXPECT_THROW(printer.Orientation(3), PrinterError);
    EXPECT_EQ(printer.Orientation(), platform::kPrinterLandscape);
}

TEST_F(PrinterTest, TextsAtThePositionAndAtTheNextPrintZone) {
    printer.Orientation(platform::kPrinterPortrait);
    printer.FontName("Arial");
    printer.FontSize(9);
    printer.FontBold(true);
    printer.CurrentX(1000);
    printer.CurrentY(500);
    printer.Print({"Station: 12+50", "Offset: 25 L"});
    const auto& texts = printer.Page().texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_DOUBLE_EQ(texts[0].x, 1000);
    EXPECT_DOUBLE_EQ(texts[0].y, 500);
    EXPECT_TRUE(texts[0].bold);
    EXPECT_EQ(texts[0].fontSize, 9);
    EXPECT_GT(texts[0].width, 0);
    // The second text starts at the first zone boundary after the first text.
    const double zone = printer.PrintZoneWidth();
    EXPECT_GT(zone, 0);
    const double end = texts[0].x + texts[0].width;
    EXPECT_GT(texts[1].x, end);
    EXPECT_LE(texts[1].x, end + zone + 15); // within a pixel of the boundary
    EXPECT_NEAR(std::fmod(texts[1].x, zone), 0, 15);
    EXPECT_EQ(texts[1].y, 500);
    // Then the position goes to the start of the next line.
    EXPECT_EQ(printer.CurrentX(), 0);
    EXPECT_GT(printer.CurrentY(), 500 + 9 * 20 * 0.9);
    printer.EndDoc();
    ASSERT_EQ(printed->pages.size(), 1u);
    EXPECT_EQ(printer.LastPage().texts.size(), 2u);
    EXPECT_TRUE(printer.Page().texts.empty());
}

TEST_F(PrinterTest, BoxOutlineInItsColour) {
    printer.Orientation(platform::kPrinterPortrait);
    printer.Box(1440, 1440, 2880, 2160, 0x0000FF); // red
    EXPECT_EQ(printer.CurrentX(), 2880);
    EXPECT_EQ(printer.CurrentY(), 2160);
    printer.EndDoc();
    ASSERT_EQ(printed->pages.size(), 1u);
    const QImage& sheet = printed->pages[0];
    // 100 dpi: the outline from (100, 100) to (200, 150) in the printable area.
    const QPoint o = printed->origin;
    bool red = false;
    for (int y = 99; y <= 101; ++y)
        red = red || sheet.pixelColor(o + QPoint(150, y)) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
    EXPECT_EQ(sheet.pixelColor(o + QPoint(150, 125)), QColor(Qt::white)); // hollow
    ASSERT_EQ(printer.LastPage().boxes.size(), 1u);
    EXPECT_EQ(printer.LastPage().boxes[0].color, 0x0000FF);
}

TEST_F(PrinterTest, KillDocSendsNothingAndEndDocWithoutAPageDoesNothing) {
    printer.EndDoc();
    EXPECT_TRUE(printed->pages.empty());
    printer.CurrentX(0);
    printer.CurrentY(0);
    printer.Print({"thrown away"});
    EXPECT_TRUE(printer.Printing());
    printer.KillDoc();
    EXPECT_FALSE(printer.Printing());
    EXPECT_TRUE(printed->pages.empty());
    EXPECT_EQ(printed->aborted, 1);
    printer.Print({"sent"});
    printer.EndDoc();
    ASSERT_EQ(printed->pages.size(), 1u);
    ASSERT_EQ(printer.LastPage().texts.size(), 1u);
    EXPECT_EQ(printer.LastPage().texts[0].text, "sent");
}

TEST_F(PrinterTest, TextsFittedToAWidth) {
    printer.FontSize(9);
    const QString text = "Title: a long project title that goes on";
    EXPECT_EQ(printer.FittedText(text, printer.TextWidth(text)), text);
    const QString cut = printer.FittedText(text, printer.TextWidth(text) / 2);
    EXPECT_TRUE(cut.endsWith(QChar(0x2026)));
    EXPECT_LE(printer.TextWidth(cut), printer.TextWidth(text) / 2);
    printer.KillDoc();
}

TEST_F(PrinterTest, EachDocumentGoesToTheDefaultPrinterOfItsTime) {
    test::InstalledPrinters({{"Office Laser", "winspool,Ne00:,15,45"}});
    printer.Width(); // the printer of the moment is taken up
    ASSERT_EQ(printed->devicesMadeFor.size(), 1u);
    EXPECT_EQ(printed->devicesMadeFor[0], platform::DefaultPrinter());
    // A new default printer, told to the program: the next document goes there.
    platform::WriteProfileString("windows", "Device", "Office Laser,winspool,Ne00:");
    platform::BroadcastSettingChange("windows");
    printer.Print({"one"});
    printer.EndDoc();
    ASSERT_EQ(printed->devicesMadeFor.size(), 2u);
    EXPECT_EQ(printed->devicesMadeFor[1], "Office Laser");
    EXPECT_EQ(printer.LastPage().printerName, "Office Laser");
    // Other settings are not kept.
    platform::WriteProfileString("windows", "Spooler", "no");
    EXPECT_EQ(platform::GetProfileString("windows", "Spooler"), "");
    EXPECT_EQ(platform::GetProfileString("PrinterPorts", "Office Laser"), "winspool,Ne00:,15,45");
}

TEST_F(PrinterTest, NoPrinterOrAnUnknownOne) {
    test::InstalledPrinters({});
    try {
        platform::SystemPrintDevice(QString());
        ADD_FAILURE() << "no error";
    } catch (const PrinterError& e) {
        EXPECT_STREQ(e.what(), "No printer is installed on this computer.");
    }
    try {
        platform::SystemPrintDevice("No Such Printer 4711");
        ADD_FAILURE() << "no error";
    } catch (const PrinterError& e) {
        EXPECT_STREQ(e.what(), "The printer \"No Such Printer 4711\" is not available.");
    }
    test::PrintToNoPrinter();
    EXPECT_THROW(printer.Width(), PrinterError);
    EXPECT_THROW(printer.Print({"x"}), PrinterError);
    EXPECT_FALSE(printer.Printing());
}
