#pragma once
// Lines of tab-separated fields whose bytes may be anything: a backslash,
// a tab, a line break and every other control character are escaped
// (\\, \t, \n, \r, \xHH); other bytes, UTF-8 included, stand for themselves.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tarsilo::cross {

inline std::string Escape(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (byte < 0x20 || byte == 0x7F) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        } else
            escaped += c;
    }
    return escaped;
}

inline int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// False when an escape is malformed.
inline bool Unescape(std::string_view escaped, std::string& text) {
    text.clear();
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            text += escaped[i];
            continue;
        }
        if (++i == escaped.size())
            return false;
        switch (escaped[i]) {
        case '\\':
            text += '\\';
            break;
        case 't':
            text += '\t';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 'x': {
            if (escaped.size() - i < 3)
                return false;
            const int high = HexDigit(escaped[i + 1]);
            const int low = HexDigit(escaped[i + 2]);
            if (high < 0 || low < 0)
                return false;
            text += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

inline std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

} // namespace tarsilo::cross
