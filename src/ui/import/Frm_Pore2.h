#pragma once
// Choice of the kinds of pore pressure in file columns 4 and 5.
#include "platform/Form.h"

class QPushButton;

namespace strelvan {

class PoreKindFrame;

class Frm_Pore2 : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Pore2";
    explicit Frm_Pore2(AppContext& app);

    void Command1_Click();

    PoreKindFrame* Option1;
    PoreKindFrame* Option2;
    QPushButton* Command1;

protected:
    void Form_Load() override;
};

} // namespace strelvan
