#include "ui/support/TestPrinter.h"

#include <QPageLayout>
#include <QPrinter>
#include <cmath>

#include "platform/Printer.h"

namespace strelvan::test {

namespace {
class ImagePrintDevice : public platform::PrintDevice {
public:
    ImagePrintDevice(QString name, double dpi, double topInches, std::shared_ptr<PrintedImages> out)
        : name_(std::move(name)), dpi_(dpi), topInches_(topInches), out_(std::move(out)) {}
    ~ImagePrintDevice() override { Abort(); }

    QString Name() const override { return name_; }
    void SetLandscape(bool landscape) override { landscape_ = landscape; }
    QSizeF PaperTwips() const override {
        const QSizeF portrait(kLetterWidthInches * 1440, kLetterHeightInches * 1440);
        return landscape_ ? portrait.transposed() : portrait;
    }
    double ResolutionX() const override { return dpi_; }
    double ResolutionY() const override { return dpi_; }

    QPainter& Begin() override {
        if (painter_.isActive())
            return painter_;
        QSizeF paper = PaperTwips() / 1440 * dpi_;
        if (topInches_ > 0)
            paper.setHeight(std::min(paper.height(), topInches_ * dpi_));
        image_ = QImage(static_cast<int>(std::lround(paper.width())),
                        static_cast<int>(std::lround(paper.height())), QImage::Format_RGB32);
        image_.fill(Qt::white);
        const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / 0.0254));
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
        const int margin = static_cast<int>(std::lround(kPrinterMarginInches * dpi_));
        out_->origin = QPoint(margin, margin);
        painter_.begin(&image_);
        painter_.translate(margin, margin);
        return painter_;
    }
    void End() override {
        if (!painter_.isActive())
            return;
        painter_.end();
        out_->pages.push_back(image_);
    }
    void Abort() override {
        if (!painter_.isActive())
            return;
        painter_.end();
        ++out_->aborted;
    }

private:
    QString name_;
    double dpi_;
    double topInches_;
    bool landscape_ = false;
    std::shared_ptr<PrintedImages> out_;
    QImage image_;
    QPainter painter_;
};
} // namespace

std::shared_ptr<PrintedImages> PrintToImages(double dotsPerInch, double topInches) {
    auto out = std::make_shared<PrintedImages>();
    platform::SetPrintDeviceFactory([out, dotsPerInch, topInches](const QString& name) {
        out->devicesMadeFor.push_back(name);
        return std::make_unique<ImagePrintDevice>(name, dotsPerInch, topInches, out);
    });
    platform::CurrentPrinter().DefaultPrinterChanged();
    return out;
}

void PrintToPdf(const QString& path, int dotsPerInch) {
    platform::SetPrintDeviceFactory([path, dotsPerInch](const QString&) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setResolution(dotsPerInch);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(kPrinterMarginInches, kPrinterMarginInches,
                                                     kPrinterMarginInches, kPrinterMarginInches),
                                           QPageLayout::Inch));
        return std::make_unique<platform::QtPrinterDevice>(std::move(printer));
    });
    platform::CurrentPrinter().DefaultPrinterChanged();
}

void PrintToNoPrinter() {
    platform::SetPrintDeviceFactory(
        [](const QString&) { return platform::SystemPrintDevice(QString()); });
    platform::CurrentPrinter().DefaultPrinterChanged();
}

void RestorePrinters() {
    platform::CurrentPrinter().KillDoc();
    platform::SetPrintDeviceFactory({});
    platform::SetPrinterPortsSource({});
    platform::ResetDefaultPrinter();
}

void InstalledPrinters(std::vector<platform::PrinterPort> ports) {
    platform::SetPrinterPortsSource([ports] { return ports; });
}

} // namespace strelvan::test
