// SPDX-License-Identifier: MIT
// The help-file rules without a window: where a file is found and which files are refused.
#include "helpfile/HelpFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <random>

namespace zamut::helpfile {
namespace {

namespace fs = std::filesystem;

class HelpFileRules : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("helpfile-" + std::to_string(std::random_device()()));
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path put(const fs::path& name, const std::string& bytes) {
        const fs::path path = root_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path root_;
};

TEST(HelpFile, ShippedHelpFileLoadsAndUsesTheGamesTexts) {
    const Content content = load(ZAMUT_HELP_SOURCE);
    ASSERT_TRUE(content.ok) << content.text;
    for (const char* text :
         {"あなたの勝ちです", "あなたの負けです", "引き分けです",
          "あなたはすごいです！！アカギと呼ばせてください", "ゲーム", "新規ゲーム", "終了",
          "ヘルプ", "ザムトについて", "バージョン", "１回戦"}) {
        EXPECT_NE(content.text.find(text), std::string::npos) << text;
    }
}

// Only a regular file counts: a folder, a pipe (which would block the
// reader) or a broken link of that name does not end the search.
TEST_F(HelpFileRules, FindTakesTheFirstRegularFileFollowingLinks) {
    const fs::path folder = root_ / "1", pipe = root_ / "2", broken = root_ / "3",
                   linked = root_ / "4", last = root_ / "5";
    fs::create_directories(folder / "help.hlp");
    fs::create_directories(pipe);
    ASSERT_EQ(::mkfifo((pipe / "help.hlp").c_str(), 0600), 0);
    fs::create_directories(broken);
    fs::create_symlink("nowhere", broken / "help.hlp");
    fs::create_directories(linked);
    fs::create_symlink(put("5/help.hlp", "# ヘルプ\n"), linked / "help.hlp");

    EXPECT_EQ(find("help.hlp", {folder, pipe, broken, linked, last}), linked / "help.hlp");
    const Content content = open(pipe / "help.hlp", {last}); // a path given as is
    EXPECT_FALSE(content.ok);
    EXPECT_NE(content.text.find("が見つかりません"), std::string::npos) << content.text;
}

// The engine's own folder, the data folder beside it, then the current
// folder: a help file where the game was started never hides the game's.
TEST_F(HelpFileRules, SearchesEachFolderOnceInOrder) {
    const fs::path here = fs::current_path();
    const fs::path bin = root_ / "bin";
    EXPECT_EQ(searchDirs(bin),
              (std::vector{bin, (bin / ZAMUT_HELP_DATA_DIR).lexically_normal(), here}));
    const std::vector<fs::path> dirs = searchDirs(here);
    ASSERT_EQ(dirs.size(), 2u) << "the current folder is the engine's";
    EXPECT_EQ(open("missing.hlp", dirs).text,
              "ヘルプ ファイル「missing.hlp」が見つかりません。\n\n次の場所を探しました:\n  " +
                  here.string() + "\n  " + dirs[1].string());
}

TEST_F(HelpFileRules, LoadsUtf8TextWithinTheCapsAndRefusesTheRest) {
    const std::string fullBytes = std::string(MaxBytes - 1, 'a') + "\n";
    std::string fullLines;
    for (std::size_t i = 0; i < MaxLines; ++i)
        fullLines += "-\n";
    const struct {
        std::string bytes;
        const char* reason; // nullptr: shown
    } cases[] = {
        {"\xEF\xBB\xBF# ザムト\r\n\n\t本文 \xF0\x9F\x80\x99\r\n", nullptr},
        {fullBytes, nullptr},
        {fullLines, nullptr},
        {fullBytes + "a", "ファイルが大きすぎます"},
        {fullLines + "-", "ファイルが大きすぎます"},
        {"", "ファイルが空です"},
        {"\xEF\xBB\xBF \r\n\t\n", "ファイルが空です"},
        {"# \xFF\xFE 見出し\n", "UTF-8"},
        {"\xE0\x80\xAF", "UTF-8"},         // overlong '/'
        {"\xED\xA0\x80", "UTF-8"},         // surrogate
        {"\xF4\x90\x80\x80", "UTF-8"},     // past U+10FFFF
        {std::string("a\0b", 3), "UTF-8"}, // a control character
    };
    for (const auto& [bytes, reason] : cases) {
        const fs::path path = put("help.hlp", bytes);
        const Content content = load(path);
        const std::string shown = bytes.substr(0, 12);
        EXPECT_EQ(content.ok, reason == nullptr) << shown << ": " << content.text;
        if (reason == nullptr) {
            EXPECT_EQ(content.text, bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes);
        } else {
            EXPECT_TRUE(content.text.starts_with("ヘルプ ファイル「" + path.string() +
                                                 "」を表示できません。"))
                << content.text;
            EXPECT_NE(content.text.find(reason), std::string::npos)
                << shown << ": " << content.text;
        }
    }
}

} // namespace
} // namespace zamut::helpfile
