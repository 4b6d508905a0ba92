#include "engine/import/TextLines.h"

namespace strelvan {

TextLines::TextLines(std::string_view text) : text_(text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        pos_ = kByteOrderMark.size();
}

bool TextLines::Next(std::string_view& line) {
    if (AtEnd())
        return false;
    std::size_t end = pos_;
    while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
        ++end;
    if (end == text_.size()) {
        line = text_.substr(pos_);
        pos_ = text_.size();
        return true;
    }
    line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    return true;
}

} // namespace strelvan
