#include "platform/Printer.h"

#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/ChartFX.h"
#include "platform/PrinterSettings.h"

namespace strelvan::platform {

namespace {
constexpr double kTwipsPerInch = 1440;
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
    QFont font(fontName_);
    font.setPointSizeF(fontSize_);
    font.setBold(fontBold_);
    return font;
}

QFontMetricsF Printer::Metrics() {
    return QFontMetricsF(Font(), Painter().device());
}

double Printer::TextWidth(const QString& text) {
    return Metrics().horizontalAdvance(text) * page_.tx;
}

double Printer::TextHeight() {
    return Metrics().height() * page_.ty;
}

double Printer::PrintZoneWidth() {
    return kZoneColumns * Metrics().averageCharWidth() * page_.tx;
}

QString Printer::FittedText(const QString& text, double width) {
    if (TextWidth(text) <= width)
        return text;
    return Metrics().elidedText(text, Qt::ElideRight, std::max(0.0, width / page_.tx));
}

void Printer::Print(const QStringList& texts) {
    QPainter& painter = Painter();
    const QFont font = Font();
    const QFontMetricsF metrics = Metrics();
    const double zone = kZoneColumns * metrics.averageCharWidth();
    const float tx = page_.tx;
    const float ty = page_.ty;
    painter.setFont(font);
    painter.setPen(Qt::black);
    double x = currentX_ / tx;
    const double y = currentY_ / ty;
    for (qsizetype k = 0; k < texts.size(); ++k) {
        if (k > 0 && zone > 0)
            x = (std::floor(x / zone) + 1) * zone;
        const double width = metrics.horizontalAdvance(texts[k]);
        painter.drawText(QPointF(x, y + metrics.ascent()), texts[k]);
        page_.texts.push_back({texts[k], x * tx, currentY_, width * tx, metrics.height() * ty,
                               fontName_, fontSize_, fontBold_});
        x += width;
    }
    currentX_ = 0;
    currentY_ += metrics.height() * ty;
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
    page_.charts.push_back({chart.objectName(), left, top, right, bottom, drawn.plot,
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
