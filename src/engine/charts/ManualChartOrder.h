#pragma once
// The chart order once manual layers were set: the layer-text chart joins the charts on show.
#include <string>

namespace strelvan {

// With four charts or more the friction-ratio chart (2) gives way to the layer-text chart (4):
// every 2 becomes a 4. With fewer charts the layer-text chart is added at the end. An order
// that shows a layer-text chart already (4, or 5 for manual layers set before) stays as it is,
// and so does an order of four charts without a 2.
std::string ChartOrderWithLayerText(const std::string& chartOrder);

} // namespace strelvan
