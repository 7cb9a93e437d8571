// SPDX-License-Identifier: MIT
// The design's UTF-8 texts as Qt's strings.
#pragma once

#include <QString>

#include <string_view>

namespace zamut {

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace zamut
