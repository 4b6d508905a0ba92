#pragma once
// The result window of the Schmertmann (1978) chart: 16 soil types from qc and the friction
// ratio of each grid layer.
#include "ui/results/ResultWindow.h"

namespace strelvan {

class Frm_Tumay02 : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Tumay02";
    explicit Frm_Tumay02(AppContext& app);
};

} // namespace strelvan
