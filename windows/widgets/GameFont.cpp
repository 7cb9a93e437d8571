// SPDX-License-Identifier: MIT
// Picks the game's font face among the installed ones.

#include "windows/widgets/GameFont.h"

#include "design/BoardLayout.h"
#include "windows/widgets/Window.h"

namespace zamut::win {

namespace {

bool isInstalled(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    const HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM flag) -> int {
            *reinterpret_cast<bool*>(flag) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

} // namespace

std::wstring gameFontFace() {
    static const std::wstring face = [] {
        const std::wstring designed = widen(layout::FontFace);
        for (const std::wstring& candidate :
             {designed, std::wstring(L"Meiryo UI"), std::wstring(L"Yu Gothic UI")}) {
            if (isInstalled(candidate.c_str())) {
                return candidate;
            }
        }
        // None installed: the designed name, for a font substitute (as under
        // Wine) or the font mapper's nearest face.
        return designed;
    }();
    return face;
}

HFONT createGameFont(int pixelHeight, bool bold) {
    return CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, gameFontFace().c_str());
}

} // namespace zamut::win
