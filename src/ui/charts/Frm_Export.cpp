#include "ui/charts/Frm_Export.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/charts/PrinterEntries.h"
#include "platform/PrinterSettings.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"

namespace strelvan {

namespace {
constexpr const char* kPrinterPorts = "PrinterPorts";
} // namespace

Frm_Export::Frm_Export(AppContext& app) : Form(app, kFormName) {
    setWindowTitle(QStringLiteral("Form1"));
    auto* central = new QWidget(this);
    List1 = new QListWidget(central);
    List1->setObjectName("List1");
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    Command1 = new QPushButton(QStringLiteral("OK"), central);
    Command1->setObjectName("Command1");
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(List1, 1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    setCentralWidget(central);
    platform::FitToScreen(*this, {360, 260});
    connect(List1, &QListWidget::itemSelectionChanged, this, &Frm_Export::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &Frm_Export::Command1_Click);
}

void Frm_Export::Form_Load() {
    List1->clear(); // a loaded window starts with an empty list
    ProfileLoadWinIniList(*List1, kPrinterPorts);
    Command1->setEnabled(false);
}

int32_t Frm_Export::ProfileLoadWinIniList(QListWidget& lst, const std::string& lpSectionName) {
    for (const std::string& name : NullSeparatedItems(platform::GetProfileString(lpSectionName)))
        lst.addItem(Q(name));
    return static_cast<int32_t>(lst.count());
}

int Frm_Export::ListIndex() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.front());
}

void Frm_Export::List1_Click() {
    Command1->setEnabled(ListIndex() >= 0);
}

void Frm_Export::Command1_Click() {
    platform::SetMousePointer(platform::MousePointer::Hourglass);
    SetDefaultPrinterFromList();
    platform::SetMousePointer(platform::MousePointer::Default);
}

void Frm_Export::SetDefaultPrinterFromList() {
    const int index = ListIndex();
    if (index < 0)
        return;
    const std::string name = S(List1->item(index)->text());
    std::string driver, port;
    GetDriverAndPort(platform::GetProfileString(kPrinterPorts, name), driver, port);
    if (!driver.empty() && !port.empty())
        SetDefaultPrinter(name, driver, port);
}

void Frm_Export::SetDefaultPrinter(const std::string& name, const std::string& driver,
                                   const std::string& port) {
    platform::WriteProfileString("windows", "Device", DefaultPrinterValue(name, driver, port));
    platform::BroadcastSettingChange("windows");
}

} // namespace strelvan
