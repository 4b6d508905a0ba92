#include "platform/PrinterSettings.h"

#include <QPrinterInfo>

#include "engine/charts/PrinterEntries.h"
#include "platform/Printer.h"
#include "platform/Text.h"

namespace strelvan::platform {

namespace {
constexpr std::string_view kPrinterPorts = "PrinterPorts";
constexpr std::string_view kWindows = "windows";
constexpr std::string_view kDevice = "Device";

std::function<std::vector<PrinterPort>()>& Source() {
    static std::function<std::vector<PrinterPort>()> source;
    return source;
}

std::string& DeviceValue() {
    static std::string value;
    return value;
}

// A field of an entry holds no comma.
std::string Field(const QString& text) {
    QString field = text;
    field.replace(QLatin1Char(','), QLatin1Char(' '));
    return S(field.trimmed());
}

std::vector<PrinterPort> InstalledPrinters() {
    if (Source())
        return Source()();
    std::vector<PrinterPort> ports;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        // A printer with no make and model given is its own driver.
        const QString driver =
            info.makeAndModel().trimmed().isEmpty() ? info.printerName() : info.makeAndModel();
        ports.push_back(
            {S(info.printerName()), Field(driver) + "," + Field(info.printerName()) + ","});
    }
    return ports;
}
} // namespace

std::string GetProfileString(std::string_view section, std::string_view key) {
    if (section == kPrinterPorts) {
        std::string keys;
        for (const PrinterPort& p : InstalledPrinters()) {
            if (key.empty()) {
                keys += p.name;
                keys += '\0';
            } else if (p.name == key) {
                return p.value;
            }
        }
        return keys;
    }
    if (section == kWindows && !DeviceValue().empty()) {
        if (key.empty())
            return std::string(kDevice) + '\0';
        if (key == kDevice)
            return DeviceValue();
    }
    return {};
}

void WriteProfileString(std::string_view section, std::string_view key, std::string_view value) {
    if (section == kWindows && key == kDevice)
        DeviceValue() = std::string(value);
}

void BroadcastSettingChange(std::string_view section) {
    if (section == kWindows)
        CurrentPrinter().DefaultPrinterChanged();
}

QString DefaultPrinter() {
    if (!DeviceValue().empty())
        return Q(strelvan::DefaultPrinterName(DeviceValue()));
    return QPrinterInfo::defaultPrinterName();
}

void SetPrinterPortsSource(std::function<std::vector<PrinterPort>()> source) {
    Source() = std::move(source);
}

void ResetDefaultPrinter() {
    DeviceValue().clear();
    CurrentPrinter().DefaultPrinterChanged();
}

} // namespace strelvan::platform
