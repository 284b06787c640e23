#pragma once

#include <QString>
#include <string_view>

// The program's own texts are UTF-8 std::string(_view)s; the toolkit's are QStrings.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
