#pragma once
// Printers for the window tests: pages printed into images (kept in memory) or a PDF file
// instead of paper, a computer with no printer, and a made-up list of installed printers.
// The window test fixture prints into images of 50 dots per inch unless a test chooses.
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "platform/PrintDevice.h"
#include "platform/PrinterSettings.h"

namespace strelvan::test {

// Letter paper (8.5 x 11 in) with the 0.25 in margins of a usual laser printer.
inline constexpr double kLetterWidthInches = 8.5;
inline constexpr double kLetterHeightInches = 11;
inline constexpr double kPrinterMarginInches = 0.25;

struct PrintedImages {
    std::vector<QString> devicesMadeFor; // the printer name of every device made
    std::vector<QImage> pages;           // the pages sent, whole sheets
    int aborted = 0;                     // documents thrown away
    QPoint origin;                       // the printable area's top left on a sheet, pixels
};

// From now on every page is printed into an image of a Letter sheet at the resolution: the
// whole sheet, or only its top strip of the given height (a header at 1200 dots per inch
// without a picture of half a gigabyte).
std::shared_ptr<PrintedImages> PrintToImages(double dotsPerInch, double topInches = 0);
// From now on every page is written to a PDF file of Letter paper at the resolution.
void PrintToPdf(const QString& path, int dotsPerInch);
// From now on no printer is the default: making one fails as on a computer without printers,
// or, where printers are installed (InstalledPrinters), without a default printer.
void PrintToNoPrinter();
// Restores the platform's printers and list and forgets the printer chosen in the run.
void RestorePrinters();

// The installed printers the printer choice sees.
void InstalledPrinters(std::vector<platform::PrinterPort> ports);

} // namespace strelvan::test
