#pragma once
// The project particulars of the sounding in read-only boxes, two rows of labelled boxes
// above the charts of the profile and property windows.
#include "engine/state/Declarations.h"

class QGridLayout;
class QLineEdit;
class QWidget;

namespace strelvan {

class ProjectParticulars {
public:
    QLineEdit* TxtProjNum = nullptr;
    QLineEdit* TxtTitle = nullptr;
    QLineEdit* TxtStation = nullptr;
    QLineEdit* TxtOffset = nullptr;
    QLineEdit* TxtElevation = nullptr;
    QLineEdit* TxtParish = nullptr;
    QLineEdit* TxtDate = nullptr;
    QLineEdit* TxtLatit = nullptr;
    QLineEdit* TxtLongit = nullptr;
    QLineEdit* TxtCPTNo = nullptr; // only in the windows that show the CPT number

protected:
    // Creates the boxes on parent (the CPT number's only when asked) and returns them laid
    // out with their labels; the elevation and project number boxes have the labels given.
    QGridLayout* BuildProjectBoxes(QWidget* parent, bool withCPTNo,
                                   const char* elevationLabel = "Elevation (ft):",
                                   const char* projNumLabel = "Project No:");
    // Writes the project information into the boxes; the ground elevation only when one
    // was entered.
    void FillProjectBoxes(const ProjectInfo& project);
};

} // namespace strelvan
