#pragma once
// The start-up window: the program's picture, name and version for a few seconds while the
// file window is loaded behind it.
#include "platform/Form.h"

class QLabel;
class QTimer;

namespace strelvan {

class Frm_Splash : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Splash";
    explicit Frm_Splash(AppContext& app);

    void Form_KeyPress();
    void Form_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The key, the click and the timer all end the splash the same way.
    void EndSplash();

    QLabel* ConeImage;
    QLabel* Lbl_Zarn;
    QLabel* Lbl_Version;
    QLabel* Lbl_Title;
    QTimer* Timer1;
};

} // namespace strelvan
