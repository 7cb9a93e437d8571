// SPDX-License-Identifier: MIT
// The About window: its controls, the caption step and unloading.

#include "windows/about/frmAbout.h"

#include "design/AboutText.h"

#include "windows/widgets/GameFont.h"

namespace zamut::win {

namespace {

constexpr wchar_t ClassName[] = L"frmAbout";
// A fixed dialog frame: title bar with system menu and close box, no icon.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;

// The window's default font, 9 points at 96 dpi, and "ＭＳ Ｐゴシック" 14.25 pt bold.
constexpr int FontPixels = 12;
constexpr int TitleFontPixels = 19;

} // namespace

frmAbout::frmAbout(std::wstring applicationTitle, const Picture& iconPicture, HWND owner,
                   std::function<void()> unloaded)
    : applicationTitle_(std::move(applicationTitle)), iconPicture_(iconPicture), owner_(owner),
      unloaded_(std::move(unloaded)), font_(createGameFont(FontPixels, false)),
      titleFont_(createGameFont(TitleFontPixels, true)) {
    registerClassOnce(ClassName, GetSysColorBrush(COLOR_BTNFACE));
}

frmAbout::~frmAbout() {
    if (isLoaded()) {
        DestroyWindow(hwnd());
    }
    DeleteObject(font_);
    DeleteObject(titleFont_);
}

void frmAbout::showModeless() {
    if (isLoaded()) {
        SetForegroundWindow(hwnd());
        return;
    }
    RECT outer = ClientArea;
    AdjustWindowRectEx(&outer, Style, FALSE, ExStyle);
    create(ClassName, ExStyle, Style, outer, owner_, nullptr, L"ﾊﾞｰｼﾞｮﾝ情報");
    buildControls();
    Load();
    ShowWindow(hwnd(), SW_SHOW);
    SetFocus(cmdOK);
}

void frmAbout::Load() {
    SetWindowTextW(hwnd(), (applicationTitle_ + widen(about::CaptionSuffix)).c_str());
}

void frmAbout::buildControls() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const LabelLook plain{font_, face, GetSysColor(COLOR_BTNTEXT)};
    const LabelLook black{font_, face, RGB(0, 0, 0)};
    // picIcon sizes itself to its picture inside its 2-pixel edge.
    picIcon = std::make_unique<PictureBox>(
        hwnd(), RECT{16, 16, 16 + iconPicture_.width() + 4, 16 + iconPicture_.height() + 4}, face);
    icon_ = std::make_unique<ImageControl>(picIcon->hwnd(), 0, POINT{0, 0},
                                           SIZE{iconPicture_.width(), iconPicture_.height()},
                                           iconPicture_, 1);
    Label1 = std::make_unique<LabelControl>(hwnd(), POINT{152, 8}, L"ザムト",
                                            LabelLook{titleFont_, face, plain.text, true});
    Label2 =
        std::make_unique<LabelControl>(hwnd(), POINT{144, 40}, widen(about::VersionLine), plain);
    Label3 = std::make_unique<LabelControl>(hwnd(), POINT{120, 56}, widen(about::Copyright), plain);
    Label4 = std::make_unique<LabelControl>(hwnd(), POINT{160, 72}, widen(about::Author), plain);
    lblDescription =
        std::make_unique<LabelControl>(hwnd(), POINT{56, 104}, widen(about::Contact), black);
    lblDescription->place({56, 104}, 259);
    lblDisclaimer =
        std::make_unique<LabelControl>(hwnd(), POINT{17, 175}, widen(about::Disclaimer), black);
    lblDisclaimer->place({17, 175}, 258);
    cmdOK = CreateWindowExW(0, L"BUTTON", L"OK",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 283, 176, 92, 23,
                            hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)),
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(cmdOK, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

bool frmAbout::preTranslateMessage(MSG& message) {
    return isLoaded() && IsDialogMessageW(hwnd(), &message);
}

LRESULT frmAbout::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // cmdOK's Click, also from Enter (default) and Esc (cancel): unload.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(hwnd());
        }
        return 0;
    case WM_PAINT:
        // The etched separator between the contact text and the disclaimer:
        // a grey line with a white line of two pixels one pixel lower.
        return paint([](HDC dc) {
            const HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
            const RECT greyLine{6, 163, 377, 164};
            FillRect(dc, &greyLine, grey);
            DeleteObject(grey);
            const RECT whiteLine{7, 164, 377, 166};
            FillRect(dc, &whiteLine, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        });
    case WM_DESTROY:
        unloaded_();
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

} // namespace zamut::win
