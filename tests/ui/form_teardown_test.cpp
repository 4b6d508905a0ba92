// A window being destroyed runs none of its handlers, even when its controls still send
// signals on the way out.
#include <QLineEdit>
#include <QPointer>

#include "platform/Form.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::UiTest;

namespace {
int editsFinished = 0;

class EditForm : public Form {
public:
    static constexpr const char* kFormName = "Frm_Edit";
    explicit EditForm(AppContext& app) : Form(app, kFormName) {
        Text = new QLineEdit(this);
        setCentralWidget(Text);
        connect(Text, &QLineEdit::editingFinished, this, &EditForm::Text_LostFocus);
    }
    void Text_LostFocus() { ++editsFinished; }
    QLineEdit* Text;
};

class FormTeardownTest : public UiTest {};
} // namespace

TEST_F(FormTeardownTest, AnEditBoxLosingTheFocusOnTheWayOutRunsNoHandler) {
    app->windows.Register<EditForm>();
    auto& form = Window<EditForm>();
    form.Show();
    form.activateWindow();
    form.Text->setFocus();
    form.Text->setText("4");
    ProcessEvents();
    ASSERT_TRUE(form.Text->hasFocus());
    editsFinished = 0;
    app.reset(); // the program ends: every window is destroyed
    EXPECT_EQ(editsFinished, 0);
}
