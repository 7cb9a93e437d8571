// SPDX-License-Identifier: MIT
// The Windows help engine: the help window made in this process, its rich
// edit read back (text, bold, sizes), and the engine started as the board
// starts it (one window per file, the message for a missing file).

#include "helpfile/HelpFile.h"
#include "windows/help/CommonDialog.h"
#include "windows/help/HelpView.h"

#include "Driving.h"

#include <richedit.h>

#include <gtest/gtest.h>

namespace zamut::win::testing {
namespace {

// The help window made here, and what its rich edit shows.
struct View {
    explicit View(const helpfile::Content& content) : window(content, 0) {}
    ~View() { pump(); } // the window's quit message
    HWND edit() const { return FindWindowExW(window.hwnd(), nullptr, MSFTEDIT_CLASS, nullptr); }
    // The format of the last character of `text` where a line starts with it.
    // Where none does, the count wraps round to a character of the page's
    // title, at a size no other line is checked for.
    CHARFORMAT2W format(const std::wstring& text) const {
        // One character a line break, as the control counts, and one before
        // the first line, so that every line follows one.
        std::wstring shown = L"\r" + windowText(edit());
        std::erase(shown, L'\n');
        const auto last = static_cast<LONG>(shown.find(L'\r' + text) + text.size() - 1);
        CHARRANGE range{last, last + 1};
        SendMessageW(edit(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(edit(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }
    HelpView window;
};

TEST(HelpView, ShowsTheShippedFileFormattedWithoutAMarkdownMark) {
    const helpfile::Content shipped = helpfile::load(ZAMUT_HELP_FILE);
    ASSERT_TRUE(shipped.ok);
    const View view(shipped);
    // Each table row a paragraph of its own (line breaks read "\r\n"), its
    // cells at tab stops; so is a numbered item, its text at a tab stop after
    // its number.
    const std::wstring text = windowText(view.edit());
    for (const std::wstring line :
         {L"表示\tどんなとき", L"引き分けです\t得点が同じとき",
          L"3.\t出したカードの場所は手札では裏向きになり、もうクリックできません。"})
        EXPECT_NE(text.find(L'\n' + line + L'\r'), std::wstring::npos) << line;
    // Headings bold and larger, by level; strong text bold at the body's size.
    const struct {
        const wchar_t* line;
        bool bold;
        LONG twips;
    } formats[] = {{L"ザムト ヘルプ", true, 320}, {L"ルール", true, 260},
                   {L"ゲーム", true, 220},        {L"表示", true, 200},
                   {L"引き分けです", false, 200}, {L"•\t終了", true, 200}};
    for (const auto& [line, bold, twips] : formats) {
        const CHARFORMAT2W format = view.format(line);
        EXPECT_EQ((format.dwEffects & CFE_BOLD) != 0, bold) << line;
        EXPECT_EQ(format.yHeight, twips) << line;
    }
}

// The file's text reaches the control as text only, never as rich text, and
// the longest paragraph and the most strong runs the caps allow show whole.
TEST(HelpView, ShowsAnyAcceptedTextAsTyped) {
    std::string tenThousandStrong, thousandLines;
    for (int i = 0; i < 1000; ++i) {
        thousandLines += std::string(63, 'a') + "\n";
        tenThousandStrong += "**a** **a** **a** **a** **a** **a** **a** **a** **a** **a**\n";
    }
    // Rich text with an embedded object, every character of it shown.
    const std::string rtf = "{\\rtf1{\\object\\objemb{\\*\\objdata 0}}}";
    EXPECT_EQ(windowText(View({true, "rtf.hlp", rtf + "\n"}).edit()), widen(rtf));
    // Lines joined into one paragraph, with a space between Latin words.
    EXPECT_EQ(windowText(View({true, "lines.hlp", thousandLines}).edit()).size(), 64U * 1000 - 1);
    EXPECT_EQ(windowText(View({true, "strong.hlp", tenThousandStrong}).edit()).size(),
              20U * 1000 - 1);
}

struct Help : ::testing::Test {
    ~Help() override {
        for (const HWND w : windowsOf(L"ZamutHelp"))
            PostMessageW(w, WM_CLOSE, 0, 0);
        waitFor([] { return windowsOf(L"ZamutHelp").empty(); });
    }
    // The help window's text view once the engine shows the file.
    HWND show(const std::wstring& file) {
        dialog.HelpFile = file;
        dialog.ShowHelp();
        return FindWindowExW(waitForWindow(L"ZamutHelp"), nullptr, MSFTEDIT_CLASS, nullptr);
    }
    CommonDialog dialog{
        .HelpFile = {}, .HelpCommand = 3, .engine = winePath(ZAMUT_HELP_ENGINE), .title = {}};
};

TEST_F(Help, ShowsTheFileReadOnlyInOneWindowPerFile) {
    const std::wstring file = winePath(ZAMUT_HELP_FILE);
    const HWND view = show(file);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(windowText(view).starts_with(L"ザムト ヘルプ\r"));
    EXPECT_TRUE(GetWindowLongPtrW(view, GWL_STYLE) & ES_READONLY);
    // A second engine for the same file brings the first window to the front
    // and ends.
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == other; }));
    const Process second(dialog.engine, L"\"" + file + L"\" 3");
    EXPECT_EQ(second.exitCode(10000), 0U);
    EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == GetParent(view); }));
    DestroyWindow(other);
}

TEST_F(Help, SaysInJapaneseWhenTheFileIsMissing) {
    const HWND view = show(L"nothere.hlp");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(windowText(view).starts_with(L"ヘルプ ファイル「nothere.hlp」が見つかりません。"));
}

} // namespace
} // namespace zamut::win::testing
