#pragma once
// The file-open dialog. Tests install a responder that answers with a path or cancels.
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace strelvan::platform {

// Flag: the chosen file must exist.
inline constexpr int kFileMustExist = 4096;

struct OpenDialogRequest {
    QString filter; // "Description|pattern;pattern|Description|pattern"
    int flags = 0;
};

using OpenDialogResponder = std::function<std::optional<QString>(const OpenDialogRequest&)>;

// Installs a responder; an empty one restores the real dialog.
void SetOpenDialogResponder(OpenDialogResponder responder);

// Shows the dialog; the chosen full path, or nullopt when the user cancelled.
std::optional<QString> ShowOpenDialog(const QString& filter, int flags, QWidget* parent = nullptr);

// "ASCII Files (*.dat; *.txt)|*.dat;*.txt |All Files (*.*)|*.*" as Qt's name filters:
// "ASCII Files (*.dat *.txt);;All Files (*)".
QString QtNameFilters(const QString& filter);

} // namespace strelvan::platform
