#pragma once
// The soil-factor window: the friction angle and moisture content (and, for the undrained
// shear strength, the unit weight and Nk) that turn the layer grid of the sounding into
// vertical and horizontal stresses before the soil properties are plotted. Loading it lays
// the sounding afresh on the layer grid, which clears every earlier result.
#include "engine/classification/LayerGrid.h"
#include "platform/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace strelvan {

class Frm_SoilFactors : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_SoilFactors";
    explicit Frm_SoilFactors(AppContext& app);

    void OK_Click();

    QGroupBox* Frame2; // the factors of the constrained modulus
    QGroupBox* Frame1; // the factors of the undrained shear strength
    QLabel* LblPhi;
    QLabel* LblMoisture;
    QLabel* LblGamma;
    QLabel* LblNK;
    QLineEdit* TextPhi;
    QLineEdit* TextMoisture;
    QLineEdit* TextGamma;
    QLineEdit* TextNK;
    QPushButton* OK;

    // The layer grid as this load left it; when it was refused, OK computes nothing.
    GridResult Grid;

protected:
    void Form_Load() override;
};

} // namespace strelvan
