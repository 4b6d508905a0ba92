#pragma once
// Conversions between the engine's UTF-8 texts and Qt's strings.
#include <QString>
#include <string>

namespace strelvan {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

} // namespace strelvan
