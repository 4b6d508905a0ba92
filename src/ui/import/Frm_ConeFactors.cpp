#include "ui/import/Frm_ConeFactors.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "engine/import/ConeFactors.h"
#include "platform/AppContext.h"
#include "platform/DialogKeys.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "ui/import/Frm_Titles.h"

namespace strelvan {

namespace {
QLabel* NamedLabel(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(name);
    return label;
}
} // namespace

Frm_ConeFactors::Frm_ConeFactors(AppContext& app) : Form(app, kFormName) {
    auto* central = new QWidget(this);
    LblTitle = NamedLabel("LblTitle", "Cone Conversion Factors:", central);
    LblTip = NamedLabel("LblTip", "Cone Tip Resistance Factor  ( 1 mVolt = ", central);
    LblUnit = NamedLabel("LblUnit", "MPa )", central);
    LblSleeve = NamedLabel("LblSleeve", "Cone Sleeve Factor               ( 1 mVolt = ", central);
    Label1 = NamedLabel("Label1", "MPa )", central);
    for (int i = 0; i < 2; ++i) {
        TxtFactor[i] = new QLineEdit(central);
        TxtFactor[i]->setObjectName(QStringLiteral("TxtFactor(%1)").arg(i));
        connect(TxtFactor[i], &QLineEdit::textChanged, this, [this, i] { TxtFactor_Change(i); });
    }
    CmdNext = new QPushButton(QStringLiteral("Continue"), central);
    CmdNext->setObjectName("CmdNext");
    CmdCancel = new QPushButton(QStringLiteral("Cancel"), central);
    CmdCancel->setObjectName("CmdCancel");
    connect(CmdNext, &QPushButton::clicked, this, &Frm_ConeFactors::CmdNext_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &Frm_ConeFactors::CmdCancel_Click);
    platform::UseDialogKeys(*this, CmdNext, CmdCancel);

    auto* factors = new QGridLayout;
    factors->addWidget(LblTip, 0, 0);
    factors->addWidget(TxtFactor[0], 0, 1);
    factors->addWidget(LblUnit, 0, 2);
    factors->addWidget(LblSleeve, 1, 0);
    factors->addWidget(TxtFactor[1], 1, 1);
    factors->addWidget(Label1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdNext);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(LblTitle);
    layout->addLayout(factors);
    layout->addLayout(buttons);
    setCentralWidget(central);
}

void Frm_ConeFactors::Form_Load() {
    TxtFactor[0]->setText(QStringLiteral("50"));
    TxtFactor[1]->setText(QStringLiteral("0.5"));
}

// A factor box holds what may still become a number: a key that no further typing could
// make a number of is taken back with the box's entry error, and what was typed before it
// stays. Continue refuses a text that is not a number.
void Frm_ConeFactors::TxtFactor_Change(int /*Index*/) {
    for (int i = 0; i < 2; ++i) {
        QLineEdit* box = TxtFactor[i];
        const std::optional<Message> refused = RefuseTypedFactor(i, S(box->text()));
        if (!refused) {
            Typed[i] = box->text();
            continue;
        }
        const qsizetype cursor = box->cursorPosition() - (box->text().size() - Typed[i].size());
        box->setText(Typed[i]);
        box->setCursorPosition(static_cast<int>(std::clamp<qsizetype>(cursor, 0, Typed[i].size())));
        platform::ShowMessage(*refused, this);
    }
}

void Frm_ConeFactors::CmdNext_Click() {
    Declarations& decl = Decl();
    const ConeFactorEntry entry = ApplyConeFactors(S(TxtFactor[0]->text()), S(TxtFactor[1]->text()),
                                                   decl.cone, decl.importSettings);
    if (entry.error) {
        platform::ShowMessage(*entry.error, this);
        if (entry.focusBox >= 0)
            TxtFactor[entry.focusBox]->setFocus();
        return;
    }
    TipFactor = entry.TipFactor;
    SleeveFactor = entry.SleeveFactor;

    Frm_Titles& titles = App().windows.Get<Frm_Titles>();
    UnloadAndRelease();
    titles.HandOverToProfile();
}

// Nothing is converted: the readings stay in millivolts and the project form stays open.
void Frm_ConeFactors::CmdCancel_Click() {
    UnloadAndRelease();
}

void Frm_ConeFactors::UnloadAndRelease() {
    App().windows.UnloadAndRelease(kFormName);
}

} // namespace strelvan
