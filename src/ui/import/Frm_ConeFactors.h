#pragma once
// The cone factor window: the tip and sleeve factors (MPa per millivolt) that turn the raw
// millivolt readings of a sounding into ton/ft2. Shown modal over the project form.
#include <QString>
#include <array>

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace strelvan {

class Frm_ConeFactors : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_ConeFactors";
    explicit Frm_ConeFactors(AppContext& app);

    void TxtFactor_Change(int Index);
    void CmdNext_Click();
    void CmdCancel_Click();

    float TipFactor = 0.0f;    // MPa per millivolt
    float SleeveFactor = 0.0f; // MPa per millivolt

    QLabel* LblTitle;
    QLabel* LblTip;
    QLabel* LblUnit;
    QLabel* LblSleeve;
    QLabel* Label1;
    std::array<QLineEdit*, 2> TxtFactor;
    QPushButton* CmdNext;
    QPushButton* CmdCancel;

protected:
    void Form_Load() override;

private:
    std::array<QString, 2> Typed; // the last text of each box that may become a number

    // Unloads the window and gives up its instance, so the next use starts afresh.
    void UnloadAndRelease();
};

} // namespace strelvan
