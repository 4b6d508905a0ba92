#include "ui/import/Frm_Pore2.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/AppContext.h"
#include "ui/import/PoreKindFrame.h"

namespace strelvan {

Frm_Pore2::Frm_Pore2(AppContext& app) : Form(app, kFormName) {
    setWindowTitle("Pore Pressure Selection");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* frames = new QHBoxLayout;
    Option1 = new PoreKindFrame("Column 4 Data", "Frame1", "Option1", central);
    Option2 = new PoreKindFrame("Column 5 Data", "Frame2", "Option2", central);
    frames->addWidget(Option1);
    frames->addWidget(Option2);
    Command1 = new QPushButton("OK", central);
    Command1->setObjectName("Command1");
    layout->addLayout(frames);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    setCentralWidget(central);
    connect(Command1, &QPushButton::clicked, this, &Frm_Pore2::Command1_Click);
}

void Frm_Pore2::Form_Load() {
    Option1->SetCaptions();
    Option2->SetCaptions();
}

void Frm_Pore2::Command1_Click() {
    Decl().cone.PoreType1 = Option1->SelectedKind();
    Decl().cone.PoreType2 = Option2->SelectedKind();
    Unload();
}

} // namespace strelvan
