#include "engine/charts/PrinterEntries.h"

namespace strelvan {

std::string TakeNextNullItem(std::string& rest) {
    const std::size_t p = rest.find('\0');
    if (p == std::string::npos)
        return {};
    std::string item = rest.substr(0, p);
    rest.erase(0, p + 1);
    return item;
}

std::vector<std::string> NullSeparatedItems(std::string text) {
    std::vector<std::string> items;
    while (!text.empty()) {
        if (text.find('\0') == std::string::npos) { // the last item lost its NUL
            items.push_back(std::move(text));
            break;
        }
        items.push_back(TakeNextNullItem(text));
    }
    return items;
}

void GetDriverAndPort(std::string_view entry, std::string& driver, std::string& port) {
    driver.clear();
    port.clear();
    const std::size_t c1 = entry.find(',');
    if (c1 == std::string_view::npos)
        return;
    driver = entry.substr(0, c1);
    const std::size_t c2 = entry.find(',', c1 + 1);
    if (c2 == std::string_view::npos)
        return;
    port = entry.substr(c1 + 1, c2 - c1 - 1);
}

std::string DefaultPrinterValue(std::string_view name, std::string_view driver,
                                std::string_view port) {
    std::string value(name);
    value += ',';
    value += driver;
    value += ',';
    value += port;
    return value;
}

std::string DefaultPrinterName(std::string_view value) {
    const std::size_t last = value.rfind(',');
    if (last == std::string_view::npos || last == 0)
        return std::string(value);
    const std::size_t before = value.rfind(',', last - 1);
    if (before == std::string_view::npos)
        return std::string(value);
    return std::string(value.substr(0, before));
}

} // namespace strelvan
