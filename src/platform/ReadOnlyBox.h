#pragma once
// A text box that shows a value and takes no typing. It always shows its text from the first
// character, and when the text is wider than the box, the whole text is its tool tip.
#include <QLineEdit>

namespace strelvan::platform {

class ReadOnlyBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ReadOnlyBox(QWidget* parent = nullptr);

    // Whether the whole text fits in the box as it is now.
    bool ShowsWholeText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The tool tip: the whole text when the box cuts it.
    void UpdateTip();
};

} // namespace strelvan::platform
