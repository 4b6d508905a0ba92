#include "engine/charts/ManualChartOrder.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace strelvan {

std::string ChartOrderWithLayerText(const std::string& chartOrder) {
    std::vector<std::string> charts;
    std::istringstream in(chartOrder);
    for (std::string chart; in >> chart;)
        charts.push_back(chart);
    const auto shows = [&](const char* chart) {
        return std::find(charts.begin(), charts.end(), chart) != charts.end();
    };
    if (shows("4") || shows("5"))
        return chartOrder;
    if (charts.size() < 4)
        return chartOrder.empty() ? std::string("4") : chartOrder + " 4";
    if (!shows("2"))
        return chartOrder;
    std::string order;
    for (const std::string& chart : charts)
        order += (order.empty() ? "" : " ") + (chart == "2" ? std::string("4") : chart);
    return order;
}

} // namespace strelvan
