#include "platform/OpenDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace strelvan::platform {

namespace {
OpenDialogResponder& Responder() {
    static OpenDialogResponder responder;
    return responder;
}
} // namespace

void SetOpenDialogResponder(OpenDialogResponder responder) { Responder() = std::move(responder); }

QString QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The description may carry its own pattern list in parentheses; Qt reads the
        // patterns from there, so rebuild that part from the pattern field.
        const int paren = description.indexOf(QLatin1Char('('));
        if (paren >= 0)
            description = description.left(paren).trimmed();
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            QString pattern = p.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
            if (!pattern.isEmpty())
                patterns << pattern;
        }
        out << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return out.join(QStringLiteral(";;"));
}

std::optional<QString> ShowOpenDialog(const QString& filter, int flags, QWidget* parent) {
    if (Responder())
        return Responder()(OpenDialogRequest{filter, flags});
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((flags & kFileMustExist) ? QFileDialog::ExistingFile
                                                : QFileDialog::AnyFile);
    dialog.setNameFilters(QtNameFilters(filter).split(QStringLiteral(";;")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace strelvan::platform
