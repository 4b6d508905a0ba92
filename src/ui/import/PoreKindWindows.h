#pragma once
// The choice of the kinds of pore pressure in the file's further columns: Frm_Pore1 for
// column 4, Frm_Pore2 for columns 4 and 5. OK stores the kind chosen in each frame
// (PoreType1, PoreType2) and closes the window.
#include <vector>

#include "platform/Form.h"

class QPushButton;

namespace strelvan {

class PoreKindFrame;

class PoreKindsWindow : public Form {
    Q_OBJECT
public:
    void Command1_Click();

    PoreKindFrame* Option1 = nullptr; // column 4
    PoreKindFrame* Option2 = nullptr; // column 5, in the window of two columns
    QPushButton* Command1 = nullptr;  // OK

protected:
    PoreKindsWindow(AppContext& app, const char* formName, int columns);
    void Form_Load() override;

private:
    std::vector<PoreKindFrame*> frames_;
};

struct Frm_Pore1 : PoreKindsWindow {
    static constexpr const char* kFormName = "Frm_Pore1";
    explicit Frm_Pore1(AppContext& app) : PoreKindsWindow(app, kFormName, 1) {}
};

struct Frm_Pore2 : PoreKindsWindow {
    static constexpr const char* kFormName = "Frm_Pore2";
    explicit Frm_Pore2(AppContext& app) : PoreKindsWindow(app, kFormName, 2) {}
};

} // namespace strelvan
