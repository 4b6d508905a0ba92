#include "ui/charts/ProjectParticulars.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "engine/state/Numbers.h"
#include "platform/ReadOnlyBox.h"
#include "platform/Text.h"

namespace strelvan {

namespace {
QLineEdit* ProjectBox(const char* name, QWidget* parent) {
    auto* box = new platform::ReadOnlyBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}
} // namespace

QGridLayout* ProjectParticulars::BuildProjectBoxes(QWidget* parent, bool withCPTNo,
                                                   const char* elevationLabel,
                                                   const char* projNumLabel) {
    TxtProjNum = ProjectBox("TxtProjNum", parent);
    TxtTitle = ProjectBox("TxtTitle", parent);
    TxtStation = ProjectBox("TxtStation", parent);
    TxtOffset = ProjectBox("TxtOffset", parent);
    TxtElevation = ProjectBox("TxtElevation", parent);
    TxtParish = ProjectBox("TxtParish", parent);
    TxtDate = ProjectBox("TxtDate", parent);
    TxtLatit = ProjectBox("TxtLatit", parent);
    TxtLongit = ProjectBox("TxtLongit", parent);
    TxtCPTNo = withCPTNo ? ProjectBox("TxtCPTNo", parent) : nullptr;

    // Two rows; the title takes the room it needs.
    struct Entry {
        const char* label;
        QLineEdit* box;
    };
    const Entry rows[2][5] = {{{projNumLabel, TxtProjNum},
                               {"Project Title:", TxtTitle},
                               {"Parish:", TxtParish},
                               {"Date:", TxtDate},
                               {"CPT No:", TxtCPTNo}},
                              {{"Station:", TxtStation},
                               {"Offset:", TxtOffset},
                               {elevationLabel, TxtElevation},
                               {"Latit.:", TxtLatit},
                               {"Longit.:", TxtLongit}}};
    auto* grid = new QGridLayout;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c) {
            grid->setColumnStretch(2 * c + 1, c == 1 ? 3 : 1);
            if (rows[r][c].box == nullptr)
                continue;
            auto* label = new QLabel(QString::fromLatin1(rows[r][c].label), parent);
            label->setBuddy(rows[r][c].box);
            grid->addWidget(label, r, 2 * c);
            grid->addWidget(rows[r][c].box, r, 2 * c + 1);
        }
    return grid;
}

void ProjectParticulars::FillProjectBoxes(const ProjectInfo& project) {
    TxtProjNum->setText(Q(project.ProjNum));
    TxtTitle->setText(Q(project.ProjTitle));
    TxtStation->setText(Q(project.Station));
    TxtOffset->setText(Q(project.Offset));
    TxtElevation->setText(project.GroundElev != kNoElevation ? Q(SingleText(project.GroundElev))
                                                             : QString());
    TxtParish->setText(Q(project.Parish));
    TxtDate->setText(Q(project.ProjDate));
    TxtLatit->setText(Q(project.Latitude));
    TxtLongit->setText(Q(project.Longitude));
    if (TxtCPTNo != nullptr)
        TxtCPTNo->setText(Q(project.CPTNo));
}

} // namespace strelvan
