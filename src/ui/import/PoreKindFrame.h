#pragma once
// A frame of four option buttons that name the kind of one pore-pressure column of the
// file: "U1", "U2", "U3" or "Other". The buttons are named after their control array
// ("Option1(0)" to "Option1(3)"); the frame carries its own name ("Frame1").
#include <QGroupBox>
#include <QString>
#include <array>
#include <cstdint>

class QRadioButton;
class QButtonGroup;

namespace strelvan {

class PoreKindFrame : public QGroupBox {
    Q_OBJECT
public:
    PoreKindFrame(const QString& title, const QString& frameName, const QString& arrayName,
                  QWidget* parent = nullptr);

    // Puts the captions on the buttons.
    void SetCaptions();
    // The kind the selected button stands for: 1, 2 or 3 for U1, U2, U3; 0 for Other or
    // when no button is selected.
    int16_t SelectedKind() const;

    QRadioButton* Option(int index) const { return options_[index]; }

private:
    std::array<QRadioButton*, 4> options_{};
    QButtonGroup* group_;
};

} // namespace strelvan
