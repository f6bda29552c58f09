#include "calc/number_text.h"

namespace tarsilo {

std::string_view TrimBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t begin = 0;
    while (begin < text.size() && blank(text[begin]))
        ++begin;
    std::size_t end = text.size();
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace tarsilo
