#include "platform/Printer.h"

#include <QPen>
#include <algorithm>
#include <cmath>

#include "engine/charts/PrintedPage.h"
#include "platform/ChartFX.h"
#include "platform/PrinterSettings.h"

namespace strelvan::platform {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
constexpr int kZoneColumns = 14;

float TwipsPerPixel(double pixelsPerInch) {
    if (!(pixelsPerInch > 0))
        throw PrinterError(QStringLiteral("The printer reports no resolution."));
    return static_cast<float>(kTwipsPerInch / pixelsPerInch);
}
} // namespace

Printer::Printer() = default;

Printer::~Printer() {
    KillDoc();
}

void Printer::Orientation(int16_t orientation) {
    if (orientation != kPrinterPortrait && orientation != kPrinterLandscape)
        throw PrinterError(QStringLiteral("A page is printed upright or across, not in "
                                          "orientation %1.")
                               .arg(orientation));
    orientation_ = orientation;
    if (device_)
        device_->SetLandscape(orientation_ == kPrinterLandscape);
}

double Printer::Width() {
    return Device().PaperTwips().width();
}
double Printer::Height() {
    return Device().PaperTwips().height();
}
float Printer::TwipsPerPixelX() {
    return TwipsPerPixel(Device().ResolutionX());
}
float Printer::TwipsPerPixelY() {
    return TwipsPerPixel(Device().ResolutionY());
}

PrintDevice& Printer::Device() {
    if (!device_) {
        device_ = MakePrintDevice(DefaultPrinter());
        if (!device_)
            throw PrinterError(QStringLiteral("No printer is installed on this computer."));
        device_->SetLandscape(orientation_ == kPrinterLandscape);
    }
    return *device_;
}

QPainter& Printer::Painter() {
    if (painter_ != nullptr)
        return *painter_;
    PrintDevice& device = Device();
    PrintedPage page;
    page.printerName = device.Name();
    page.orientation = orientation_;
    page.width = Width();
    page.height = Height();
    page.tx = TwipsPerPixelX();
    page.ty = TwipsPerPixelY();
    QPainter& painter = device.Begin();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter_ = &painter;
    page_ = std::move(page);
    return painter;
}

QFont Printer::Font() const {
    // Texts are laid out and drawn in twips: a font of one pixel per twip (20 to the point)
    // under a painter that scales twips to the printer's pixels. A text then takes the same
    // room in twips on a printer of any resolution, and its ink stands where it was measured
    // (a point size would be rounded to whole pixels of each printer, 37.5 to 38 at 300 dpi).
    QFont font(fontName_);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSize_ * kTwipsPerPoint))));
    font.setBold(fontBold_);
    // The outlines' own widths, not widths rounded to whole pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFontMetricsF Printer::Metrics() const {
    return QFontMetricsF(Font());
}

double Printer::TextWidth(const QString& text) {
    return Metrics().horizontalAdvance(text);
}

double Printer::TextHeight() {
    return Metrics().height();
}

double Printer::PrintZoneWidth() {
    return kZoneColumns * Metrics().averageCharWidth();
}

QString Printer::FittedText(const QString& text, double width) {
    if (TextWidth(text) <= width)
        return text;
    return Metrics().elidedText(text, Qt::ElideRight, std::max(0.0, width));
}

void Printer::Print(const QStringList& texts) {
    QPainter& painter = Painter();
    const QFont font = Font();
    const QFontMetricsF metrics = Metrics();
    const double zone = kZoneColumns * metrics.averageCharWidth();
    painter.save();
    painter.scale(1.0 / page_.tx, 1.0 / page_.ty);
    painter.setFont(font);
    painter.setPen(Qt::black);
    double x = currentX_;
    for (qsizetype k = 0; k < texts.size(); ++k) {
        if (k > 0)
            x = NextPrintZone(x, zone);
        const double width = metrics.horizontalAdvance(texts[k]);
        painter.drawText(QPointF(x, currentY_ + metrics.ascent()), texts[k]);
        page_.texts.push_back(
            {texts[k], x, currentY_, width, metrics.height(), fontName_, fontSize_, fontBold_});
        x += width;
    }
    painter.restore();
    currentX_ = 0;
    currentY_ += metrics.height();
}

void Printer::Box(double x1, double y1, double x2, double y2, int32_t color) {
    QPainter& painter = Painter();
    const float tx = page_.tx;
    const float ty = page_.ty;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false); // a crisp line of one device pixel
    painter.setPen(QPen(ChartColor(color), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(x1 / tx, y1 / ty), QPointF(x2 / tx, y2 / ty)));
    painter.restore();
    page_.boxes.push_back({x1, y1, x2, y2, color});
    currentX_ = x2;
    currentY_ = y2;
}

QPainter& Printer::hDC() {
    return Painter();
}

void Printer::PrintChart(ChartFX& chart, int32_t left, int32_t top, int32_t right, int32_t bottom,
                         int32_t flags, int32_t reserved) {
    chart.PrintChartTo(hDC(), left, top, right, bottom, flags, reserved);
    const ChartPrintout& drawn = chart.LastPrintout();
    page_.charts.push_back({chart.objectName(), left, top, right, bottom, drawn.plot, drawn.labels,
                            drawn.legendShown, drawn.legendWhole});
}

void Printer::EndDoc() {
    if (painter_ == nullptr)
        return;
    PrintedPage page = std::move(page_);
    page_ = {};
    painter_ = nullptr;
    std::unique_ptr<PrintDevice> device = std::move(device_);
    device->End(); // the next document is made for the default printer of its time
    lastPage_ = std::move(page);
}

void Printer::KillDoc() {
    if (device_ && painter_ != nullptr)
        device_->Abort();
    painter_ = nullptr;
    page_ = {};
    device_.reset();
}

void Printer::DefaultPrinterChanged() {
    if (painter_ == nullptr)
        device_.reset();
}

Printer& CurrentPrinter() {
    // Never destroyed: a printer device must not outlive the application object, which
    // ends before static objects do.
    static Printer* printer = new Printer;
    return *printer;
}

} // namespace strelvan::platform
