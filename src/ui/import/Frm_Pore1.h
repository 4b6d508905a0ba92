#pragma once
// Choice of the kind of pore pressure in file column 4.
#include "platform/Form.h"

class QPushButton;

namespace strelvan {

class PoreKindFrame;

class Frm_Pore1 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Pore1";
    explicit Frm_Pore1(AppContext& app);

    void Command1_Click();

    PoreKindFrame* Option1;
    QPushButton* Command1;

protected:
    void Form_Load() override;
};

} // namespace strelvan
