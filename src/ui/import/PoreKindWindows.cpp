#include "ui/import/PoreKindWindows.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/AppContext.h"
#include "ui/import/PoreKindFrame.h"

namespace strelvan {

PoreKindsWindow::PoreKindsWindow(AppContext& app, const char* formName, int columns)
    : Form(app, QString::fromLatin1(formName)) {
    setWindowTitle("Pore Pressure Selection");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* frames = new QHBoxLayout;
    Option1 = new PoreKindFrame("Column 4 Data", "Frame1", "Option1", central);
    frames_.push_back(Option1);
    if (columns > 1) {
        Option2 = new PoreKindFrame("Column 5 Data", "Frame2", "Option2", central);
        frames_.push_back(Option2);
    }
    for (PoreKindFrame* frame : frames_)
        frames->addWidget(frame);
    Command1 = new QPushButton("OK", central);
    Command1->setObjectName("Command1");
    layout->addLayout(frames);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    setCentralWidget(central);
    connect(Command1, &QPushButton::clicked, this, &PoreKindsWindow::Command1_Click);
}

void PoreKindsWindow::Form_Load() {
    for (PoreKindFrame* frame : frames_)
        frame->SetCaptions();
}

void PoreKindsWindow::Command1_Click() {
    ConeData& cone = Decl().cone;
    cone.PoreType1 = Option1->SelectedKind();
    if (Option2 != nullptr)
        cone.PoreType2 = Option2->SelectedKind();
    Unload();
}

} // namespace strelvan
