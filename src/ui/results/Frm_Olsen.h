#pragma once
// The result window of the Douglas and Olsen (1981) chart: 4 soil types from the corrected
// tip resistance in MPa and the friction ratio of each grid layer.
#include "ui/results/ResultWindow.h"

namespace strelvan {

class Frm_Olsen : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Olsen";
    explicit Frm_Olsen(AppContext& app);
};

} // namespace strelvan
