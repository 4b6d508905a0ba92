#pragma once
// The manual layer editor: the user sets the soil layers of the sounding by hand, from the top
// down, one layer at a time in steps of one grid layer. Each new or changed layer is described
// by its dominant soil types and handed to the result window that opened the editor; Export
// shows that window again with the layers set here in place of the automatic ones.
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/classification/ManualLayerWalk.h"
#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace strelvan {

namespace platform {
class ChartAnnotation;
class ChartFX;
} // namespace platform

class ResultWindow;

class Frm_Manual : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Manual";
    explicit Frm_Manual(AppContext& app);

    // Opens the editor for the result window: the layers are described by its method and
    // handed to it, whatever method is picked meanwhile. An editor open for another window
    // starts afresh.
    void OpenFor(ResultWindow& window);

    // Controls.
    platform::ChartFX* ChartText = nullptr; // the strip of grid layers with the layers set
    QLabel* LblDepth = nullptr;
    QLineEdit* TxtDepth = nullptr; // depth of the current layer's bottom
    QPushButton* CmdNext = nullptr;
    QPushButton* CmdPre = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* CmdUp = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* CmdDown = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* CmdExport = nullptr;
    QPushButton* CmdCancel = nullptr;

    // Window state. The walk holds LayerTop, LayerBottom, LayerNo and LayerDict, and the last
    // grid layer of the sounding as it was when the editor loaded.
    ManualLayerWalk Walk;
    QPointer<ResultWindow> Opener; // the result window that opened the editor
    float TopCount = 0;            // position value of the current layer's label
    float BottomCount = 0;         // position value of its boundary line
    QString LayerName;             // its description
    // One label per layer, and one line per layer (an unplaced one at the foot): the number
    // of layers on show is the count of either list.
    std::shared_ptr<platform::ChartAnnotation> AnnotX;
    std::shared_ptr<platform::ChartAnnotation> AnnotY;

protected:
    void Form_Load() override;

private:
    void CmdNext_Click();
    void CmdPre_Click();
    void CmdDown_Click();
    void CmdUp_Click();
    void CmdExport_Click();
    void CmdCancel_Click();
    void DrawLayerTop(float Y, const QString& Name);
    void DrawLayerBottom(float Y);

    // Applies a step of the walk when it is allowed and keeps within the layer grid.
    bool Step(const std::function<bool(ManualLayerWalk&)>& step);
    // Whether the grid holds a layer at this index.
    bool GridHolds(int32_t index) const;
    // Describes the current layer and draws its label and line.
    void DrawCurrentLayer();
    void RemoveCurrentLayer();
    // Sets the depth box, the description and the positions of the current layer.
    void DescribeCurrentLayer();
    // Hands the current layer, as layer M, to the result window that opened the editor.
    void HandOver(int16_t M);
    // Moves the current layer's bottom one grid layer down (+1) or up (-1).
    void MoveBottom(int step);
    // The current layer reaches the foot of the sounding: asks whether to go on to Export.
    void AskToExport(bool afterMove);
};

} // namespace strelvan
