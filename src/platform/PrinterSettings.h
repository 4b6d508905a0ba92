#pragma once
// The printer settings of the program, in the form of the profile settings that the
// printer choice reads and writes:
//  - section "PrinterPorts": one key per installed printer, the printer's name; its value
//    the driver, a comma, the port and a closing comma ("driver,port,"), built from the
//    printer's make and model and its name on the platform's printing system;
//  - section "windows", key "Device": the default printer, "name,driver,port".
// The default printer chosen here holds for this run of the program only: the computer's
// own default printer is never changed. Until a printer is chosen, the computer's default
// printer is the program's.
#include <string>
#include <string_view>
#include <vector>

#include <QString>
#include <functional>

namespace strelvan::platform {

struct PrinterPort {
    std::string name;
    std::string value; // "driver,port" and further comma-separated fields
};

// With an empty key, every key of the section, each ended by a NUL character; with a key,
// its value. Empty for a section or key that is not there.
std::string GetProfileString(std::string_view section, std::string_view key = {});
// Only the default printer ("windows", "Device") is kept; other keys are ignored.
void WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
// Tells the program that a section changed: after "windows", the next printed page goes
// to the new default printer.
void BroadcastSettingChange(std::string_view section);

// The name of the printer the next page goes to: the one chosen in this run, or the
// computer's default printer (empty when there is none).
QString DefaultPrinter();

// Tests give their own list of installed printers (an empty source restores the
// platform's list) and forget the printer chosen in the run.
void SetPrinterPortsSource(std::function<std::vector<PrinterPort>()> source);
void ResetDefaultPrinter();

} // namespace strelvan::platform
