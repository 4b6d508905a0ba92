#pragma once
// The lines of a text file held in memory. A line ends at CR LF, LF or CR; the last line
// is read also without a line end, and a line end at the very end of the text does not
// start another (empty) line. A UTF-8 byte order mark at the start is skipped.
#include <cstddef>
#include <string_view>

namespace strelvan {

class TextLines {
public:
    explicit TextLines(std::string_view text);

    // The next line, without its line end; false at the end of the text.
    bool Next(std::string_view& line);
    bool AtEnd() const { return pos_ >= text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace strelvan
