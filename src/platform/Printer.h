#pragma once
// The program's printer object: one page at a time on the default printer (see
// PrinterSettings.h), laid out in twips from the top left of the printable area, with texts
// at a current position, rectangle outlines and charts drawn through the page's device
// context. The document starts with the first thing printed and goes to the printer at
// EndDoc; KillDoc throws it away.
//
// Everything printed stays readable (texts with their positions, fonts and weights, boxes,
// chart rectangles), for the document in progress and for the last one sent.
//
// Any operation that needs the printer throws PrinterError when there is none or it fails.
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/PrintDevice.h"

namespace strelvan::platform {

class ChartFX;

struct PrintedText {
    QString text;
    double x = 0, y = 0; // twips, top left of the text
    double width = 0;    // twips
    double height = 0;   // twips, from the top of the text to the foot of its descenders
    QString fontName;
    double fontSize = 0; // points
    bool bold = false;
};

struct PrintedBox {
    double left = 0, top = 0, right = 0, bottom = 0; // twips
    int32_t color = 0;
};

struct PrintedChart {
    QString chartName;                                // the chart control's object name
    int32_t left = 0, top = 0, right = 0, bottom = 0; // device pixels
    QRectF plot;                                      // the plot area drawn, device pixels
    std::vector<QRectF> labels;                       // the line of each text label, likewise
    bool legendShown = false;
    bool legendWhole = false; // every legend text shown whole
};

struct PrintedPage {
    QString printerName;
    int16_t orientation = 1;
    double width = 0, height = 0; // twips
    float tx = 0, ty = 0;
    std::vector<PrintedText> texts;
    std::vector<PrintedBox> boxes;
    std::vector<PrintedChart> charts;
};

inline constexpr int16_t kPrinterPortrait = 1;
inline constexpr int16_t kPrinterLandscape = 2;

class Printer {
public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // 1 portrait, 2 landscape; the orientation stays from one document to the next.
    void Orientation(int16_t orientation);
    int16_t Orientation() const { return orientation_; }
    // The page in its orientation, in twips.
    double Width();
    double Height();
    // Twips per device pixel.
    float TwipsPerPixelX();
    float TwipsPerPixelY();

    void FontName(const QString& name) { fontName_ = name; }
    void FontSize(double points) { fontSize_ = points; }
    void FontBold(bool bold) { fontBold_ = bold; }
    QString FontName() const { return fontName_; }
    double FontSize() const { return fontSize_; }
    bool FontBold() const { return fontBold_; }

    void CurrentX(double twips) { currentX_ = twips; }
    void CurrentY(double twips) { currentY_ = twips; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }

    // Prints the texts on one line from the current position, each text after the first at
    // the next print zone (zones are 14 average characters wide, counted from the left of
    // the printable area); the position then goes to the start of the next line. Texts are
    // measured and drawn in twips, the same on a printer of any resolution.
    void Print(const QStringList& texts);
    // The width of a text in the current font, in twips.
    double TextWidth(const QString& text);
    // The height of a line of text in the current font (ascent and descent), in twips.
    double TextHeight();
    // The width of a print zone in the current font, in twips.
    double PrintZoneWidth();
    // The text, shortened with an ellipsis where it is wider than the width in twips.
    QString FittedText(const QString& text, double width);
    // The outline of the rectangle between two corners, in twips, in a colour long (red in
    // the low byte); the position goes to the second corner.
    void Box(double x1, double y1, double x2, double y2, int32_t color);
    // The device context of the page: a painter in device pixels with its origin at the top
    // left of the printable area.
    QPainter& hDC();
    // Draws a chart into the rectangle (left, top)-(right, bottom) of device pixels through
    // the device context, with the chart's own PrintChartTo.
    void PrintChart(ChartFX& chart, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    int32_t flags, int32_t reserved);
    // Sends the document to the printer.
    void EndDoc();
    // Throws the document in progress away.
    void KillDoc();

    bool Printing() const { return painter_ != nullptr; }
    const PrintedPage& Page() const { return page_; }
    const PrintedPage& LastPage() const { return lastPage_; }

    // The default printer changed: the next document goes to it.
    void DefaultPrinterChanged();

private:
    PrintDevice& Device();
    QPainter& Painter();
    QFont Font() const;
    QFontMetricsF Metrics() const;

    std::unique_ptr<PrintDevice> device_;
    QPainter* painter_ = nullptr; // the device's, while a document is in progress
    int16_t orientation_ = kPrinterPortrait;
    QString fontName_ = QStringLiteral("Arial");
    double fontSize_ = 10;
    bool fontBold_ = false;
    double currentX_ = 0, currentY_ = 0;
    PrintedPage page_;
    PrintedPage lastPage_;
};

// The program's one printer object.
Printer& CurrentPrinter();

} // namespace strelvan::platform
