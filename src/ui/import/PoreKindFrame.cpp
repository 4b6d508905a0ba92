#include "ui/import/PoreKindFrame.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace strelvan {

PoreKindFrame::PoreKindFrame(const QString& title, const QString& frameName,
                             const QString& arrayName, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    setObjectName(frameName);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 4; ++i) {
        options_[i] = new QRadioButton(this);
        options_[i]->setObjectName(QString("%1(%2)").arg(arrayName).arg(i));
        group_->addButton(options_[i], i);
        layout->addWidget(options_[i]);
    }
}

void PoreKindFrame::SetCaptions() {
    const char* captions[] = {"U1", "U2", "U3", "Other"};
    for (int i = 0; i < 4; ++i)
        options_[i]->setText(captions[i]);
}

int16_t PoreKindFrame::SelectedKind() const {
    const int checked = group_->checkedId();
    return checked >= 0 && checked <= 2 ? static_cast<int16_t>(checked + 1) : int16_t{0};
}

} // namespace strelvan
