#pragma once
// The soil-factor window: the factors that the formula of the chosen soil property uses
// (friction angle, moisture content, unit weight, Nk) and that turn the layer grid of the
// sounding into vertical and horizontal stresses before the property is plotted. Loading it
// lays the sounding afresh on the layer grid, which clears every earlier result.
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/classification/LayerGrid.h"
#include "platform/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace strelvan {

class Frm_SoilFactors : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_SoilFactors";
    explicit Frm_SoilFactors(AppContext& app);

    void OK_Click();

    QGroupBox* Frame2; // the factors of the constrained modulus
    QGroupBox* Frame1; // the factors of the undrained shear strength
    QGroupBox* Frame3; // the factors of the overconsolidation ratio
    QLabel* LblPhi;
    QLabel* LblMoisture;
    QLabel* LblGamma;
    QLabel* LblNK;
    QLineEdit* TextPhi;
    QLineEdit* TextMoisture;
    QLineEdit* TextGamma;
    QLineEdit* TextNK;
    QLabel* LblGWT;      // the water table of the project, shown with the
    QLabel* LblGWTDepth; // overconsolidation ratio, which subtracts its water pressure
    QPushButton* OK;

    // The property the factors are entered for: the choice when the window loaded.
    int16_t Choice = 0;

    // The layer grid as this load left it; when it was refused, OK computes nothing.
    GridResult Grid;

protected:
    void Form_Load() override;

private:
    // The frame of the chosen property; nullptr for a choice that has none.
    QGroupBox* FrameOfChoice() const;
    // Shows the frame of the chosen property with the rows of the boxes it asks for.
    void ShowFrameOfChoice();
    // Puts the rows (indexes into rows_) into the frame in their order and shows them.
    void PlaceRows(QGroupBox* frame, const std::vector<std::size_t>& rows);

    // The rows a frame may show: a label and its box, in the order of SoilFactorBox (Phi,
    // Moisture, Gamma, Nk), then the water table.
    static constexpr std::size_t kWaterTableRow = 4;
    std::array<std::pair<QLabel*, QWidget*>, 5> rows_{};
};

} // namespace strelvan
