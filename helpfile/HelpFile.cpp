// SPDX-License-Identifier: MIT
// Finding and checking a help file, in plain standard C++ for both systems.
#include "helpfile/HelpFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

namespace zamut::helpfile {
namespace fs = std::filesystem;
namespace {

std::string utf8(const fs::path& path) {
    const std::u8string text = fs::path(path).make_preferred().u8string();
    return {text.begin(), text.end()};
}

Content failure(const fs::path& path, std::string_view reason) {
    return {false, path,
            "ヘルプ ファイル「" + utf8(path) + "」を表示できません。\n\n" + std::string(reason)};
}

bool isRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error); // follows symbolic links
}

// Well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF) of text characters: no control characters but tab and line ends.
bool isUtf8Text(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            if ((lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r') || lead == 0x7f) {
                return false;
            }
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2, code = lead & 0x1fu, least = 0x80;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3, code = lead & 0x0fu, least = 0x800;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4, code = lead & 0x07u, least = 0x10000;
        } else {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xc0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (next & 0x3fu);
        }
        if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) {
            return false;
        }
        i += length;
    }
    return true;
}

} // namespace

std::vector<fs::path> searchDirs(const fs::path& engineDir) {
    std::error_code error;
    std::vector<fs::path> dirs;
    for (const fs::path& dir : {engineDir, (engineDir / ZAMUT_HELP_DATA_DIR).lexically_normal(),
                                fs::current_path(error)}) {
        const fs::path same = fs::weakly_canonical(dir, error);
        const bool listed = std::any_of(dirs.begin(), dirs.end(), [&](const fs::path& known) {
            return fs::weakly_canonical(known, error) == same;
        });
        if (!dir.empty() && !listed) {
            dirs.push_back(dir);
        }
    }
    return dirs;
}

fs::path find(const fs::path& name, const std::vector<fs::path>& dirs) {
    if (name.empty()) {
        return {};
    }
    std::error_code error;
    if (name.has_parent_path()) {
        return isRegularFile(name) ? fs::absolute(name, error) : fs::path();
    }
    for (const fs::path& dir : dirs) {
        if (isRegularFile(dir / name)) {
            return fs::absolute(dir / name, error);
        }
    }
    return {};
}

Content open(const fs::path& name, const std::vector<fs::path>& dirs) {
    const fs::path path = find(name, dirs);
    if (!path.empty()) {
        return load(path);
    }
    std::string places;
    if (!name.has_parent_path()) {
        places = "\n\n次の場所を探しました:";
        for (const fs::path& dir : dirs) {
            places += "\n  " + utf8(dir);
        }
    }
    return {false, name, "ヘルプ ファイル「" + utf8(name) + "」が見つかりません。" + places};
}

Content load(const fs::path& path) {
    // Only a regular file is opened: a pipe or device could block or never end.
    std::ifstream file;
    if (isRegularFile(path)) {
        file.open(path, std::ios::binary);
    }
    if (!file.is_open()) {
        return failure(path, "ファイルを読み込めません。");
    }
    std::string bytes(MaxBytes + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad()) {
        return failure(path, "ファイルを読み込めません。");
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    if (bytes.size() > MaxBytes || lines + (bytes.ends_with('\n') ? 0 : 1) > MaxLines) {
        return failure(path, "ファイルが大きすぎます（ヘルプは " + std::to_string(MaxBytes / 1024) +
                                 " KB、" + std::to_string(MaxLines) + " 行まで）。");
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
    }
    if (!isUtf8Text(bytes)) {
        return failure(path, "ヘルプの形式（UTF-8 のテキスト）ではありません。");
    }
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; })) {
        return failure(path, "ファイルが空です。");
    }
    return {true, path, bytes};
}

} // namespace zamut::helpfile
