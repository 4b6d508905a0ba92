#include "ui/properties/Frm_SoilFactors.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

#include "engine/properties/SoilFactors.h"
#include "engine/state/Numbers.h"
#include "platform/AppContext.h"
#include "platform/DialogKeys.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "ui/charts/GridSetUp.h"

namespace strelvan {

namespace {
// A frame that shows the rows of the boxes a property asks for, placed on loading.
QGroupBox* FactorFrame(const char* name, const char* caption, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    new QGridLayout(frame);
    frame->hide();
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
    LblGWT = NamedLabel("LblGWT", "Ground Water Table (depth -- ft):");
    LblGWTDepth = NamedLabel("LblGWTDepth", "");
    rows_ = {{{LblPhi, TextPhi},
              {LblMoisture, TextMoisture},
              {LblGamma, TextGamma},
              {LblNK, TextNK},
              {LblGWT, LblGWTDepth}}};
    for (auto& [label, field] : rows_) {
        label->setParent(central);
        field->setParent(central);
        if (auto* box = qobject_cast<QLineEdit*>(field)) {
            label->setBuddy(box);
            box->setFixedWidth(90);
        }
        label->hide();
        field->hide();
    }
    Frame2 = FactorFrame("Frame2", "Parameter of Constrained Modulus", central);
    Frame1 = FactorFrame("Frame1", "Parameter for Undrained Shear Strength", central);
    Frame3 = FactorFrame("Frame3", "Parameter for Overconsolidation Ratio", central);
    OK = new QPushButton(QStringLiteral("OK"), central);
    OK->setObjectName("OK");
    connect(OK, &QPushButton::clicked, this, &Frm_SoilFactors::OK_Click);
    // No Cancel: Escape closes the window as its close box does, computing nothing.
    platform::UseDialogKeys(*this, OK, nullptr);

    // The frames share one place: only the frame of the chosen property is shown there.
    auto* frames = new QGridLayout;
    for (QGroupBox* frame : {Frame2, Frame1, Frame3})
        frames->addWidget(frame, 0, 0);
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
    platform::FitToScreen(*this, {420, 170});
}

void Frm_SoilFactors::Form_Load() {
    Declarations& d = Decl();
    Choice = d.props.PropChoice;
    // The boxes as stored; only the frame of the chosen property is shown, with the boxes its
    // formula uses.
    TextPhi->clear();
    TextMoisture->clear();
    TextGamma->clear();
    TextNK->setText(QStringLiteral("15"));
    LblGWTDepth->setText(Q(SingleText(d.project.GWTDepth)));
    ShowFrameOfChoice();

    // A fresh grid over the whole sounding; every earlier result and property is cleared, so
    // the windows that show a classification on the grid close rather than stay open empty.
    // A sounding on which no soil properties can be estimated is told, and this window closes.
    Grid = LaySoundingOnGrid(*this, GridUse::SoilProperties);
    if (Grid.ok)
        platform::SetMousePointer(platform::MousePointer::Default);
}

QGroupBox* Frm_SoilFactors::FrameOfChoice() const {
    switch (Choice) {
    case kConstrainedModulus:
        return Frame2;
    case kUndrainedShearStrength:
        return Frame1;
    case kOverconsolidationRatio:
        return Frame3;
    default:
        return nullptr;
    }
}

void Frm_SoilFactors::ShowFrameOfChoice() {
    QGroupBox* frame = FrameOfChoice();
    for (QGroupBox* f : {Frame2, Frame1, Frame3}) {
        f->setVisible(f == frame);
        for (auto& [label, field] : rows_) {
            f->layout()->removeWidget(label);
            f->layout()->removeWidget(field);
        }
    }
    for (auto& [label, field] : rows_) {
        label->hide();
        field->hide();
    }
    if (frame == nullptr)
        return;
    // The rows in the order the property asks for them; the overconsolidation ratio shows the
    // water table of the project its effective stress reads.
    std::vector<std::size_t> rows;
    for (SoilFactorBox box : BoxesAskedFor(Choice))
        rows.push_back(static_cast<std::size_t>(box) - 1);
    if (Choice == kOverconsolidationRatio)
        rows.push_back(kWaterTableRow);
    PlaceRows(frame, rows);
}

void Frm_SoilFactors::PlaceRows(QGroupBox* frame, const std::vector<std::size_t>& rows) {
    // Tab goes down the boxes in this order, from the first one, to OK.
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    QWidget* previous = nullptr;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        auto& [label, field] = rows_[rows[r]];
        grid->addWidget(label, static_cast<int>(r), 0);
        grid->addWidget(field, static_cast<int>(r), 1);
        label->show();
        field->show();
        if (field->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous == nullptr)
            field->setFocus();
        else
            setTabOrder(previous, field);
        previous = field;
    }
    if (previous != nullptr)
        setTabOrder(previous, OK);
}

void Frm_SoilFactors::OK_Click() {
    Declarations& d = Decl();
    if (!Grid.ok) { // the sounding lies on no grid: nothing to compute
        platform::ShowMessage(Grid.message, this);
        return;
    }
    const SoilFactorTexts texts{S(TextPhi->text()), S(TextMoisture->text()), S(TextGamma->text()),
                                S(TextNK->text())};
    const SoilFactorEntry entry = ApplySoilFactors(texts, Choice, d.grid, d.props);
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
    // the factors just entered, for the property they were entered for.
    d.props.PropChoice = Choice;
    WindowRegistry& windows = App().windows;
    windows.UnloadAndRelease("Frm_PlotProperties");
    windows.Show("Frm_PlotProperties");
    Unload();
}

} // namespace strelvan
