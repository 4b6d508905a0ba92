#include "ui/properties/Frm_SoilFactors.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/properties/SoilFactors.h"
#include "platform/AppContext.h"
#include "platform/DialogKeys.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "ui/charts/GridSetUp.h"

namespace strelvan {

namespace {
// A frame of two labelled boxes.
QGroupBox* FactorFrame(const char* name, const char* caption, QLabel* labels[2],
                       QLineEdit* boxes[2], QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(frame);
    for (int r = 0; r < 2; ++r) {
        labels[r]->setParent(frame);
        boxes[r]->setParent(frame);
        labels[r]->setBuddy(boxes[r]);
        boxes[r]->setFixedWidth(90);
        grid->addWidget(labels[r], r, 0);
        grid->addWidget(boxes[r], r, 1);
    }
    return frame;
}

QLabel* NamedLabel(const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption));
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* NamedBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    return box;
}
} // namespace

Frm_SoilFactors::Frm_SoilFactors(AppContext& app) : Form(app, kFormName) {
    setWindowTitle(QStringLiteral("Enter Soil Factors"));
    auto* central = new QWidget(this);
    LblPhi = NamedLabel("LblPhi", "Enter Phi (effective) in degrees:");
    LblMoisture = NamedLabel("LblMoisture", "Enter Moisture Content:");
    LblGamma = NamedLabel("LblGamma", "Enter Gamma in lb/ft^3:");
    LblNK = NamedLabel("LblNK", "Enter Nk:");
    TextPhi = NamedBox("TextPhi");
    TextMoisture = NamedBox("TextMoisture");
    TextGamma = NamedBox("TextGamma");
    TextNK = NamedBox("TextNK");
    QLabel* modulusLabels[2] = {LblPhi, LblMoisture};
    QLineEdit* modulusBoxes[2] = {TextPhi, TextMoisture};
    Frame2 = FactorFrame("Frame2", "Parameter of Constrained Modulus", modulusLabels, modulusBoxes,
                         central);
    QLabel* strengthLabels[2] = {LblGamma, LblNK};
    QLineEdit* strengthBoxes[2] = {TextGamma, TextNK};
    Frame1 = FactorFrame("Frame1", "Parameter for Undrained Shear Strength", strengthLabels,
                         strengthBoxes, central);
    OK = new QPushButton(QStringLiteral("OK"), central);
    OK->setObjectName("OK");
    connect(OK, &QPushButton::clicked, this, &Frm_SoilFactors::OK_Click);
    // No Cancel: Escape closes the window as its close box does, computing nothing.
    platform::UseDialogKeys(*this, OK, nullptr);

    // The two frames share one place: only the frame of the chosen property is shown there.
    auto* frames = new QGridLayout;
    frames->addWidget(Frame2, 0, 0);
    frames->addWidget(Frame1, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(16, 8, 16, 12);
    layout->addLayout(frames);
    layout->addStretch();
    layout->addLayout(buttons);
    setCentralWidget(central);
    platform::FitToScreen(*this, {420, 140});
}

void Frm_SoilFactors::Form_Load() {
    Declarations& d = Decl();
    // The boxes as stored; only the frame of the chosen property is shown.
    TextPhi->clear();
    TextMoisture->clear();
    TextGamma->clear();
    TextNK->setText(QStringLiteral("15"));
    Frame2->setVisible(d.props.PropChoice == kConstrainedModulus);
    Frame1->setVisible(d.props.PropChoice == kUndrainedShearStrength);

    // A fresh grid over the whole sounding; every earlier result and property is cleared, so
    // the windows that show a classification on the grid close rather than stay open empty.
    // A sounding on which no soil properties can be estimated is told, and this window closes.
    Grid = LaySoundingOnGrid(*this, GridUse::SoilProperties);
    if (Grid.ok)
        platform::SetMousePointer(platform::MousePointer::Default);
}

void Frm_SoilFactors::OK_Click() {
    Declarations& d = Decl();
    if (!Grid.ok) { // the sounding lies on no grid: nothing to compute
        platform::ShowMessage(Grid.message, this);
        return;
    }
    const SoilFactorTexts texts{S(TextPhi->text()), S(TextMoisture->text()), S(TextGamma->text()),
                                S(TextNK->text())};
    const SoilFactorEntry entry = ApplySoilFactors(texts, d.props.PropChoice, d.grid, d.props);
    if (entry.error) {
        platform::ShowMessage(*entry.error, this);
        QLineEdit* boxes[] = {nullptr, TextPhi, TextMoisture, TextGamma, TextNK};
        if (QLineEdit* box = boxes[static_cast<int>(entry.box)]) {
            box->setFocus();
            box->selectAll();
        }
        return;
    }
    // A property window still open shows the values of its last load: draw it afresh from
    // the factors just entered.
    WindowRegistry& windows = App().windows;
    windows.UnloadAndRelease("Frm_PlotProperties");
    windows.Show("Frm_PlotProperties");
    Unload();
}

} // namespace strelvan
