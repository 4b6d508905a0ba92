#pragma once
// The choice of the result charts, their order from left to right, and the thickness of
// the soil layers that the layer-text chart describes; Next opens the result window of
// the chosen classification method.
#include <QPixmap>
#include <array>

#include "engine/charts/ChartChoice.h"
#include "platform/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace strelvan {

namespace platform {
class ImageControl;
}

class Frm_Select : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Select";
    explicit Frm_Select(AppContext& app);

protected:
    void Form_Load() override;

private:
    void Image1_Click(int Index);
    void ComboChart_Click();
    void ComboThick_Click();
    void CmdNext_Click();
    void CmdCancel_Click();

    // The slots as chart digits: a slot without a picture is empty, whatever its tag.
    SlotCharts ReadSlots() const;
    // Shows chart k's picture and tag in each filled slot and empties the others.
    void WriteSlots(const SlotCharts& charts);
    // Shows the result window of the method and closes or forgets the others. False when
    // the user chose to keep the layers set by hand that the window would have replaced: then
    // nothing has changed.
    bool ShowResultWindow();
    // Unloads this window and forgets its instance: every visit starts afresh.
    void UnloadAndForget();

    QGroupBox* Frame2;
    QComboBox* ComboChart;
    std::array<platform::ImageControl*, kChartSlotCount> Image1;
    std::array<QPixmap, kChoosableCharts> Image2; // the picture of each chart
    QGroupBox* Frame3;
    QLabel* Label1;
    QComboBox* ComboThick;
    QLabel* LblUnit;
    QPushButton* CmdNext;
    QPushButton* CmdCancel;
};

} // namespace strelvan
