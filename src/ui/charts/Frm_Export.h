#pragma once
// The printer choice: the installed printers in a list; OK makes the selected one the
// default printer, so that the next printed page goes to it. The window stays open after
// OK; its close box unloads it.
#include <cstdint>
#include <string>

#include "platform/Form.h"

class QListWidget;
class QPushButton;

namespace strelvan {

class Frm_Export : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Export";
    explicit Frm_Export(AppContext& app);

    // Fills lst with the keys of a section of the printer settings (for "PrinterPorts",
    // the names of the installed printers) and returns the list's item count.
    int32_t ProfileLoadWinIniList(QListWidget& lst, const std::string& lpSectionName);
    // Makes the printer the default printer, stored as "name,driver,port".
    void SetDefaultPrinter(const std::string& name, const std::string& driver,
                           const std::string& port);
    // Makes the printer selected in List1 the default printer, when its entry gives a
    // driver and a port; does nothing otherwise.
    void SetDefaultPrinterFromList();

    void List1_Click();
    void Command1_Click();

    QListWidget* List1;
    QPushButton* Command1;

protected:
    void Form_Load() override;

private:
    // The row of the selected printer, -1 when none is selected.
    int ListIndex() const;
};

} // namespace strelvan
