#include "platform/TextFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTextStream>

namespace strelvan::platform {

QString TextFontFamily() {
    // Arial itself, then the families drawn to its metrics (Liberation Sans is Debian's,
    // Arimo the same design under another name).
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Arial", "Liberation Sans", "Arimo"})
        if (installed.contains(QString::fromLatin1(family)))
            return QString::fromLatin1(family);
    return {};
}

bool UseTextFont() {
    const QString name = QString::fromLatin1(kTextFontName);
    const QString family = TextFontFamily();
    if (family.isEmpty()) {
        QTextStream(stderr) << "Strelvan: no font with Arial's measures is installed (Debian's "
                               "fonts-liberation2 has one); texts are drawn in "
                            << QFontInfo(QFont(name)).family()
                            << ", and printed pages may move or shorten them.\n";
        return false;
    }
    if (family != name)
        QFont::insertSubstitution(name, family);
    QFont windows = QApplication::font();
    windows.setFamily(family);
    QApplication::setFont(windows);
    return true;
}

} // namespace strelvan::platform
