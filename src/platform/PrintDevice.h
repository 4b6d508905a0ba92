#pragma once
// Where a printed document goes: a sheet of an installed printer, or in tests a PDF file or
// an image. The printer object (Printer.h) lays out the page; a device gives it the paper,
// the resolution and a painter, and sends or throws away what was painted.
#include <QPageSize>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class QPrinter;

namespace strelvan::platform {

// A printing failure; what() is the description shown to the user (UTF-8).
class PrinterError : public std::runtime_error {
public:
    explicit PrinterError(const QString& description);
};

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // The printer's name.
    virtual QString Name() const = 0;
    virtual void SetLandscape(bool landscape) = 0;
    // The whole sheet in its current orientation, in twips.
    virtual QSizeF PaperTwips() const = 0;
    // Device pixels per inch, across and down.
    virtual double ResolutionX() const = 0;
    virtual double ResolutionY() const = 0;
    // Starts the document and returns the painter of its page, in device pixels with the
    // origin at the top left of the printable area. Throws PrinterError when the printer
    // cannot start a document.
    virtual QPainter& Begin() = 0;
    // Ends the document and sends it; throws PrinterError when it could not be sent.
    virtual void End() = 0;
    // Throws the document away; nothing of it is sent.
    virtual void Abort() = 0;
};

// A device on a QPrinter: an installed printer, or a PDF file when the QPrinter is set to
// write one.
class QtPrinterDevice : public PrintDevice {
public:
    explicit QtPrinterDevice(std::unique_ptr<QPrinter> printer);
    ~QtPrinterDevice() override;

    QString Name() const override;
    void SetLandscape(bool landscape) override;
    QSizeF PaperTwips() const override;
    double ResolutionX() const override;
    double ResolutionY() const override;
    QPainter& Begin() override;
    void End() override;
    void Abort() override;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

// Makes the device of the printer with the given name. The program prints on the printers
// of the platform's printing system; tests install a factory of their own (an empty one
// restores the printers). A factory throws PrinterError when it has no such printer.
using PrintDeviceFactory = std::function<std::unique_ptr<PrintDevice>(const QString& name)>;
void SetPrintDeviceFactory(PrintDeviceFactory factory);
std::unique_ptr<PrintDevice> MakePrintDevice(const QString& printerName);

// The device of an installed printer; throws PrinterError when the name is empty (no
// printer is installed, or none is the default) or no printer of that name is installed.
std::unique_ptr<PrintDevice> SystemPrintDevice(const QString& printerName);

} // namespace strelvan::platform
