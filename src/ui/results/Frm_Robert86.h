#pragma once
// The result window of the Robertson et al. (1986) chart: 12 soil behaviour zones from the
// corrected tip resistance in MPa and the friction ratio of each grid layer.
#include "ui/results/ResultWindow.h"

namespace strelvan {

class Frm_Robert86 : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Robert86";
    explicit Frm_Robert86(AppContext& app);
};

} // namespace strelvan
