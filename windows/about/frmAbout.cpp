// SPDX-License-Identifier: MIT
// The About window: its controls, the caption step and unloading.

#include "windows/about/frmAbout.h"

#include "design/AboutLayout.h"
#include "design/AboutText.h"
#include "design/Units.h"
#include "windows/widgets/GameFont.h"

namespace zamut::win {

namespace {

constexpr wchar_t ClassName[] = L"frmAbout";
// A fixed dialog frame: title bar with system menu and close box, no icon.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;

} // namespace

frmAbout::frmAbout(std::wstring applicationTitle, const Picture& iconPicture, HWND owner, int dpi,
                   std::function<void()> unloaded)
    : applicationTitle_(std::move(applicationTitle)), iconPicture_(iconPicture), owner_(owner),
      unloaded_(std::move(unloaded)), scale_{dpi, units::DesignDpi},
      font_(createGameFont(units::fromCentipoints(about::FontCentipoints, dpi), false)),
      titleFont_(createGameFont(units::fromCentipoints(about::TitleCentipoints, dpi), true)) {
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
    RECT outer = scale_.px(about::Client);
    AdjustWindowRectEx(&outer, Style, FALSE, ExStyle);
    create(ClassName, ExStyle, Style, outer, owner_, nullptr, L""); // Load captions it
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
    // picIcon sizes itself to its picture, enlarged as the board's cards are,
    // inside the system's edge.
    const int factor = scale_.pictureFactor();
    const SIZE shown{iconPicture_.width() * factor, iconPicture_.height() * factor};
    RECT icon{0, 0, shown.cx, shown.cy};
    AdjustWindowRectEx(&icon, WS_CHILD, FALSE, WS_EX_CLIENTEDGE);
    const POINT iconAt = scale_.px(about::IconAt);
    OffsetRect(&icon, iconAt.x - icon.left, iconAt.y - icon.top);
    picIcon = std::make_unique<PictureBox>(hwnd(), icon, face);
    icon_ = std::make_unique<ImageControl>(picIcon->hwnd(), 0, POINT{0, 0}, shown, iconPicture_,
                                           factor);
    Label1 = std::make_unique<LabelControl>(hwnd(), scale_.px(about::Label1), applicationTitle_,
                                            LabelLook{titleFont_, face, plain.text, true});
    Label2 = std::make_unique<LabelControl>(hwnd(), scale_.px(about::Label2),
                                            widen(about::VersionLine), plain);
    Label3 = std::make_unique<LabelControl>(hwnd(), scale_.px(about::Label3),
                                            widen(about::Copyright), plain);
    Label4 = std::make_unique<LabelControl>(hwnd(), scale_.px(about::Label4), widen(about::Author),
                                            plain);
    const auto wrapping = [&](layout::Box box, std::string_view text) {
        const RECT at = scale_.px(box);
        auto label =
            std::make_unique<LabelControl>(hwnd(), POINT{at.left, at.top}, widen(text), black);
        label->place({at.left, at.top}, at.right - at.left);
        return label;
    };
    lblDescription = wrapping(about::DescriptionBox, about::Contact);
    lblDisclaimer = wrapping(about::DisclaimerBox, about::Disclaimer);
    const RECT ok = scale_.px(about::OkButton);
    cmdOK = CreateWindowExW(
        0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, ok.left, ok.top,
        ok.right - ok.left, ok.bottom - ok.top, hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(cmdOK, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    makeButtonPressable(cmdOK);
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
        // The etched separator between the contact text and the disclaimer.
        return paint([this](HDC dc) {
            for (const auto& [box, colour] : {std::pair(about::SeparatorShadow, about::Shadow),
                                              std::pair(about::SeparatorLight, about::Light)}) {
                const HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
                const RECT line = scale_.px(box);
                FillRect(dc, &line, brush);
                DeleteObject(brush);
            }
        });
    case WM_DESTROY:
        unloaded_();
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

} // namespace zamut::win
