#include "platform/PrintDevice.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/PrinterSettings.h"

namespace strelvan::platform {

namespace {
PrintDeviceFactory& Factory() {
    static PrintDeviceFactory factory;
    return factory;
}
} // namespace

PrinterError::PrinterError(const QString& description)
    : std::runtime_error(description.toStdString()) {}

QtPrinterDevice::QtPrinterDevice(std::unique_ptr<QPrinter> printer)
    : printer_(std::move(printer)) {}

QtPrinterDevice::~QtPrinterDevice() {
    if (painter_.isActive()) { // never ended: nothing goes out
        printer_->abort();
        painter_.end();
    }
}

QString QtPrinterDevice::Name() const {
    return printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName()
                                                           : printer_->printerName();
}

void QtPrinterDevice::SetLandscape(bool landscape) {
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QSizeF QtPrinterDevice::PaperTwips() const {
    return printer_->pageLayout().fullRect(QPageLayout::Point).size() * 20.0;
}

double QtPrinterDevice::ResolutionX() const {
    return printer_->resolution();
}
double QtPrinterDevice::ResolutionY() const {
    return printer_->resolution();
}

QPainter& QtPrinterDevice::Begin() {
    if (!painter_.isActive() && !painter_.begin(printer_.get()))
        throw PrinterError(
            QStringLiteral("The printer \"%1\" could not start a document.").arg(Name()));
    return painter_;
}

void QtPrinterDevice::End() {
    if (!painter_.isActive())
        return;
    const bool ended = painter_.end();
    if (!ended || printer_->printerState() == QPrinter::Error)
        throw PrinterError(QStringLiteral("The printer \"%1\" did not take the page.").arg(Name()));
}

void QtPrinterDevice::Abort() {
    if (!painter_.isActive())
        return;
    printer_->abort();
    painter_.end();
}

void SetPrintDeviceFactory(PrintDeviceFactory factory) {
    Factory() = std::move(factory);
}

std::unique_ptr<PrintDevice> MakePrintDevice(const QString& printerName) {
    if (Factory())
        return Factory()(printerName);
    return SystemPrintDevice(printerName);
}

std::unique_ptr<PrintDevice> SystemPrintDevice(const QString& printerName) {
    if (printerName.isEmpty()) {
        // Printers installed but none made the default: no page goes to a printer the user
        // did not choose.
        if (!GetProfileString("PrinterPorts").empty())
            throw PrinterError(QStringLiteral("No default printer is set on this computer. "
                                              "Choose a printer with Export."));
        throw PrinterError(QStringLiteral("No printer is installed on this computer."));
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        throw PrinterError(QStringLiteral("The printer \"%1\" is not available.").arg(printerName));
    return std::make_unique<QtPrinterDevice>(
        std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}

} // namespace strelvan::platform
