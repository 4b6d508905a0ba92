#pragma once
// The texts of the printer settings: the list of installed printers as one text of names,
// each ended by a NUL character; a printer's entry "driver,port" followed by further
// comma-separated fields (time-outs, more ports); and the default printer, stored as
// "name,driver,port".
#include <string>
#include <string_view>
#include <vector>

namespace strelvan {

// Cuts the next NUL-ended item off the front of rest and returns it; rest keeps what
// follows the NUL. With no NUL in rest, returns an empty text and leaves rest as it is.
std::string TakeNextNullItem(std::string& rest);

// The items of a list of NUL-ended items, in order. Text after the last NUL (an item whose
// NUL was cut off) is taken as the last item.
std::vector<std::string> NullSeparatedItems(std::string text);

// Splits a printer's entry at its first two commas: driver is the text before the first,
// port the text between the first and the second. Both are empty when the entry has no
// comma; port is empty when it has one comma only. Further fields (time-outs, further
// ports) are not used.
void GetDriverAndPort(std::string_view entry, std::string& driver, std::string& port);

// The default-printer value: name, driver and port joined by commas.
std::string DefaultPrinterValue(std::string_view name, std::string_view driver,
                                std::string_view port);

// The printer name of a default-printer value: the text before its last two commas (the
// name may hold commas, the driver and port do not). A value with fewer than two commas is
// all name.
std::string DefaultPrinterName(std::string_view value);

} // namespace strelvan
