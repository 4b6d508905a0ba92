#include "ui/import/Frm_Pore1.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/AppContext.h"
#include "ui/import/PoreKindFrame.h"

namespace strelvan {

Frm_Pore1::Frm_Pore1(AppContext& app) : Form(app, kFormName) {
    setWindowTitle("Pore Pressure Selection");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    Option1 = new PoreKindFrame("Column 4 Data", "Frame1", "Option1", central);
    Command1 = new QPushButton("OK", central);
    Command1->setObjectName("Command1");
    layout->addWidget(Option1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    setCentralWidget(central);
    connect(Command1, &QPushButton::clicked, this, &Frm_Pore1::Command1_Click);
}

void Frm_Pore1::Form_Load() {
    Option1->SetCaptions();
}

void Frm_Pore1::Command1_Click() {
    Decl().cone.PoreType1 = Option1->SelectedKind();
    Unload();
}

} // namespace strelvan
