// SPDX-License-Identifier: MIT
// The built program file read back through the system's resource functions:
// exactly the icon image 30001 and group 1 without language, and the version
// block 1 in language 1041, field by field.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::wstring WindowsPath(const char* utf8) {
    const std::string path = std::string("Z:") + utf8;
    std::wstring wide(path.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

Bytes ReadFile(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// type, name, language, data: every resource of the module.
using Resource = std::tuple<int, int, int, Bytes>;

std::vector<Resource> ReadResources(HMODULE module) {
    struct Walk {
        HMODULE module;
        std::vector<Resource> found;
        int type = 0;
    } walk{module, {}};
    EnumResourceTypesW(
        module,
        [](HMODULE m, LPWSTR type, LONG_PTR param) -> BOOL {
            auto& w = *reinterpret_cast<Walk*>(param);
            w.type =
                IS_INTRESOURCE(type) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(type)) : -1;
            return EnumResourceNamesW(
                m, type,
                [](HMODULE m2, LPCWSTR type2, LPWSTR name, LONG_PTR param2) -> BOOL {
                    return EnumResourceLanguagesW(
                        m2, type2, name,
                        [](HMODULE m3, LPCWSTR type3, LPCWSTR name3, WORD language,
                           LONG_PTR param3) -> BOOL {
                            auto& w3 = *reinterpret_cast<Walk*>(param3);
                            const HRSRC info = FindResourceExW(m3, type3, name3, language);
                            const auto* data = static_cast<const std::uint8_t*>(
                                LockResource(LoadResource(m3, info)));
                            w3.found.emplace_back(
                                w3.type,
                                IS_INTRESOURCE(name3)
                                    ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name3))
                                    : -1,
                                language, Bytes(data, data + SizeofResource(m3, info)));
                            return TRUE;
                        },
                        param2);
                },
                param);
        },
        reinterpret_cast<LONG_PTR>(&walk));
    return walk.found;
}

// Little-endian fields in order; every structure of a version block starts on
// a four-byte boundary.
struct Reader {
    const Bytes& bytes;
    std::size_t pos = 0;

    template <typename T> T read() {
        T value{};
        std::memcpy(&value, bytes.data() + pos, sizeof value);
        pos += sizeof value;
        return value;
    }
    std::string text(std::size_t maxUnits = SIZE_MAX) { // up to its terminating zero
        std::wstring wide;
        for (char16_t c; maxUnits-- > 0 && pos < bytes.size() && (c = read<char16_t>()) != 0;)
            wide += static_cast<wchar_t>(c);
        std::string utf8(wide.size() * 3, '\0');
        utf8.resize(static_cast<std::size_t>(
            WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                                static_cast<int>(utf8.size()), nullptr, nullptr)));
        return utf8;
    }
    void align() { pos = (pos + 3) & ~std::size_t(3); }
};

// A version block's nodes depth first: depth, key and value, a text or the
// binary value's 32-bit words in hex.
using Node = std::tuple<int, std::string, std::string>;

void ReadNodes(Reader& r, int depth, std::vector<Node>& nodes) {
    const std::size_t end = r.pos + r.read<std::uint16_t>();
    const auto valueLength = r.read<std::uint16_t>();
    const bool isText = r.read<std::uint16_t>() == 1;
    const std::string key = r.text();
    r.align();
    std::string value;
    if (isText) {
        value = r.text(valueLength);
    } else {
        for (std::size_t i = 0; i < valueLength / 4U; ++i) {
            char word[10];
            std::snprintf(word, sizeof word, "%s%08x", i == 0 ? "" : " ", r.read<std::uint32_t>());
            value += word;
        }
    }
    nodes.emplace_back(depth, key, value);
    for (r.align(); r.pos < end; r.align())
        ReadNodes(r, depth + 1, nodes);
}

TEST(ProgramFile, CarriesExactlyTheIconAndTheVersionBlock) {
    const HMODULE program =
        LoadLibraryExW(WindowsPath(ZAMUT_PROGRAM_FILE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    const Bytes ico = ReadFile(WindowsPath(ZAMUT_RES_DIR "/icon/zamut.ico"));
    ASSERT_EQ(ico.size(), 22U + 2216U);
    const std::vector<Resource> resources = ReadResources(program);
    ASSERT_EQ(resources.size(), 3U);
    // The image keeps its number and the group's one entry names it (30001 is
    // 0x7531); icons carry no language.
    EXPECT_EQ(resources[0], Resource(3, 30001, 0, Bytes(ico.begin() + 22, ico.end())));
    Bytes group(ico.begin(), ico.begin() + 18);
    group.insert(group.end(), {0x31, 0x75});
    EXPECT_EQ(resources[1], Resource(14, 1, 0, group));
    const auto& [type, name, language, data] = resources[2];
    EXPECT_EQ(std::tuple(type, name, language), std::tuple(16, 1, 1041));
    std::vector<Node> nodes;
    Reader version{data};
    ReadNodes(version, 0, nodes);
    // Signature, structure version, file and product version 1.0.0.0, flags
    // mask and flags 0, OS 4 (32-bit Windows), type 1 (application), subtype 0,
    // date 0; translation 0x0411 with code page 1200 (0x04b0).
    const std::vector<Node> expected{
        {0, "VS_VERSION_INFO",
         "feef04bd 00010000 00010000 00000000 00010000 00000000 00000000 00000000 00000004 "
         "00000001 00000000 00000000 00000000"},
        {1, "StringFileInfo", ""},
        {2, "041104B0", ""},
        {3, "ProductName", "ザムト"},
        {3, "FileVersion", "1.00"},
        {3, "ProductVersion", "1.00"},
        {3, "InternalName", "ザムト"},
        {3, "OriginalFilename", "ザムト.exe"},
        {1, "VarFileInfo", ""},
        {2, "Translation", "04b00411"}};
    EXPECT_EQ(nodes, expected);
    FreeLibrary(program);
}

} // namespace
