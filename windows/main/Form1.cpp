// SPDX-License-Identifier: MIT
// The board window: layout, menus, BoardView and the menu commands.

#include "windows/main/Form1.h"

#include "design/AppInfo.h"
#include "design/Texts.h"
#include "engine/Match.h"
#include "textlayout/RoundCaption.h"
#include "windows/widgets/GameFont.h"

#include <oleacc.h>

#include "res/cards/0.xpm"
#include "res/cards/1.xpm"
#include "res/cards/2.xpm"
#include "res/cards/3.xpm"
#include "res/cards/4.xpm"
#include "res/cards/5.xpm"
#include "res/cards/6.xpm"
#include "res/cards/7.xpm"
#include "res/cards/8.xpm"
#include "res/cards/9.xpm"

#include <stdexcept>

namespace zamut::win {

namespace {

constexpr wchar_t ClassName[] = L"Form1";
constexpr COLORREF BoardGreen =
    RGB(layout::BoardGreen.red, layout::BoardGreen.green, layout::BoardGreen.blue);
// Not WS_CLIPCHILDREN: the board only fills its green, under controls that
// all paint their whole area over it, and clipping some forty of them out
// of every update costs the first show several milliseconds.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;

constexpr std::array<const char* const*, 10> CardXpm{card0_xpm, card1_xpm, card2_xpm, card3_xpm,
                                                     card4_xpm, card5_xpm, card6_xpm, card7_xpm,
                                                     card8_xpm, card9_xpm};

} // namespace

Form1::Form1(RandomGenerator& generator, Commands commands, HICON icon, ScreenScale scale,
             std::wstring helpEngine)
    : generator_(generator), commands_(std::move(commands)), scale_(scale),
      regular_(createGameFont(units::fromCentipoints(layout::LabelCentipoints, scale.dpi), false)),
      bold_(createGameFont(units::fromCentipoints(layout::LabelCentipoints, scale.dpi), true)),
      captionFont_(
          createGameFont(units::fromCentipoints(layout::CaptionCentipoints, scale.dpi), true)) {
    for (std::size_t k = 0; k < Image1.size(); ++k) {
        Image1[k] = Picture(parseXpm(CardXpm[k]));
    }
    registerClassOnce(ClassName, CreateSolidBrush(BoardGreen), icon);
    dlgCommonDialog.engine = std::move(helpEngine);
    dlgCommonDialog.title = widen(AppInfo.Title);
    const int width = scale_.px(layout::ClientWidth);
    const int height = scale_.px(layout::ClientHeight);
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, Style, TRUE, 0);
    // With its menu bar from the start: set later, it would lay out the
    // window's frame a second time.
    create(ClassName, 0, Style,
           {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + outer.right - outer.left,
            CW_USEDEFAULT + outer.bottom - outer.top},
           nullptr, buildMenus(), widen(AppInfo.Title).c_str());
    // The system's estimate counts one line of menu bar at its standard
    // height; where the bar takes more (a larger menu font, a bar that wraps)
    // the window grows, so that the client area keeps the design's size.
    RECT client;
    GetClientRect(hwnd(), &client);
    if (client.right != width || client.bottom != height) {
        SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    buildBoard();
}

Form1::~Form1() {
    // The controls go with the window, before the fonts they draw with.
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd());
    }
    DeleteObject(regular_);
    DeleteObject(bold_);
    DeleteObject(captionFont_);
}

HMENU Form1::buildMenus() {
    game = CreatePopupMenu();
    AppendMenuW(game, MF_STRING, start, widen(texts::Menu.start).c_str());
    AppendMenuW(game, MF_STRING, end, widen(texts::Menu.end).c_str());
    help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, zamut, widen(texts::Menu.zamut).c_str());
    AppendMenuW(help, MF_STRING, version, widen(texts::Menu.version).c_str());
    const HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), widen(texts::Menu.game).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), widen(texts::Menu.help).c_str());
    return bar;
}

void Form1::buildBoard() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF faceText = GetSysColor(COLOR_BTNTEXT);
    const LabelLook regular{regular_, face, faceText};
    const LabelLook bold{bold_, face, faceText};
    const LabelLook centred{regular_, face, faceText, true};
    const auto card = [this](HWND parent, ImageId id, CardPicture shown) {
        auto image = std::make_unique<ImageControl>(
            parent, controlId(id), scale_.px(layout::cardAt(id)),
            SIZE{scale_.px(layout::CardWidth), scale_.px(layout::CardHeight)},
            Image1[static_cast<std::size_t>(shown)], scale_.pictureFactor(),
            id.row == ImageRow::Hand);
        image->setAccessibleName(widen(texts::imageName(id, shown)));
        return image;
    };

    for (int n = 1; n <= RoundCount; ++n) {
        const auto slot = static_cast<std::size_t>(n - 1);
        Image4x[slot] = card(hwnd(), computerRowImage(n), BackPicture);
        Image3x[slot] = card(hwnd(), playerRowImage(n), BackPicture);
    }
    const auto addLabel = [this](HWND parent, int n, layout::Point at, std::string_view text,
                                 const LabelLook& look) {
        return std::make_unique<LabelControl>(parent, scale_.px(at), widen(text), look, labelId(n));
    };
    Label7 = addLabel(hwnd(), 7, layout::Label7, texts::Computer, centred);
    Label8 = addLabel(hwnd(), 8, layout::Label8, texts::Player, centred);
    Label1 = addLabel(hwnd(), 1, layout::Label1, "",
                      LabelLook{captionFont_, BoardGreen, faceText, true});

    Picture1 =
        std::make_unique<PictureBox>(hwnd(), scale_.px(layout::Picture1), face, pictureId(1));
    Picture1->setAccessibleName(widen(texts::Score));
    const HWND panel = Picture1->hwnd();
    Label2 =
        addLabel(panel, 2, layout::Label2, texts::Score, LabelLook{bold_, face, faceText, true});
    Label5 = addLabel(panel, 5, layout::Label5, texts::Player, regular);
    Label6 = addLabel(panel, 6, layout::Label6, texts::Computer, regular);
    Label3 = addLabel(panel, 3, layout::Label3, "0", bold);
    Label4 = addLabel(panel, 4, layout::Label4, "0", bold);
    for (const LabelId total : {LabelId::Label3, LabelId::Label4}) {
        label(total).setAccessibleName(widen(texts::totalName(total, "0")));
    }

    Picture2 =
        std::make_unique<PictureBox>(hwnd(), scale_.px(layout::Picture2), BoardGreen, pictureId(2));
    Picture2->setAccessibleName(widen(texts::Hand));
    for (int v = 1; v <= HighestCard; ++v) {
        const auto slot = static_cast<std::size_t>(v - 1);
        Image2x[slot] = card(Picture2->hwnd(), handImage(v), toCardPicture(v));
    }
    // The picture boxes lie above every label and image of the window.
    for (const HWND above : {Picture1->hwnd(), Picture2->hwnd()}) {
        SetWindowPos(above, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

ImageControl& Form1::image(ImageId id) const {
    const std::size_t slot = roundIndex(id.slot);
    switch (id.row) {
    case ImageRow::Hand:
        return *Image2x[slot];
    case ImageRow::Player:
        return *Image3x[slot];
    case ImageRow::Computer:
        return *Image4x[slot];
    }
    throw std::out_of_range("unknown board image row");
}

LabelControl& Form1::label(LabelId id) const {
    switch (id) {
    case LabelId::Label1:
        return *Label1;
    case LabelId::Label3:
        return *Label3;
    case LabelId::Label4:
        return *Label4;
    }
    throw std::out_of_range("unknown board label");
}

void Form1::ShowCardPicture(ImageId id, CardPicture shown) {
    image(id).setPicture(Image1.at(static_cast<std::size_t>(shown)));
    image(id).setAccessibleName(widen(texts::imageName(id, shown)));
}

void Form1::SetCardEnabled(ImageId handImage, bool on) {
    if (handImage.row != ImageRow::Hand) {
        throw std::invalid_argument("only hand images take clicks");
    }
    const HWND card = image(handImage).hwnd();
    if ((IsWindowEnabled(card) != FALSE) != on) {
        EnableWindow(card, on ? TRUE : FALSE);
        announce(card, EVENT_OBJECT_STATECHANGE);
    }
}

void Form1::SetCaption(LabelId id, std::string_view text) {
    if (id != LabelId::Label1) {
        label(id).setText(widen(text), widen(texts::totalName(id, text)));
        return;
    }
    const bool changed = Label1->text() != widen(text);
    Label1->setText(widen(text));
    // A verdict longer than a round caption moves left of the score panel, or
    // wraps there, so that it can be read whole.
    RECT panel;
    GetWindowRect(Picture1->hwnd(), &panel);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&panel), 1);
    const POINT origin = scale_.px(layout::Label1);
    const CaptionBox box =
        placeRoundCaption(static_cast<int>(Label1->textSize().cx), origin.x, origin.y, panel.left);
    Label1->place({box.left, box.top}, box.wraps ? box.width : 0);
    if (changed && !text.empty()) {
        // Nothing on the board has the focus, so a screen reader reads out
        // only an alert: the new caption, and as its description the round
        // just played and both totals.
        std::wstring played;
        for (int n = RoundCount; n >= 1 && played.empty(); --n) {
            if (image(playerRowImage(n)).picture() != &picture(BackPicture)) {
                played = image(playerRowImage(n)).accessibleName() + L" " +
                         image(computerRowImage(n)).accessibleName() + L" " +
                         Label3->accessibleName() + L" " + Label4->accessibleName();
            }
        }
        Label1->setAccessibleDescription(std::move(played));
        announce(Label1->hwnd(), EVENT_SYSTEM_ALERT);
    }
}

void Form1::newGameCommand() {
    NewGame(state_, *this, generator_);
}

void Form1::playCardCommand(CardValue card) {
    PlayCard(state_, *this, card);
}

void Form1::exitCommand() {
    commands_.exit();
}

void Form1::helpCommand() {
    // The file and the command are given anew on every request.
    dlgCommonDialog.HelpFile = widen(texts::HelpFile);
    dlgCommonDialog.HelpCommand = texts::HelpContents;
    dlgCommonDialog.ShowHelp();
}

void Form1::versionCommand() {
    commands_.showAbout();
}

LRESULT Form1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const WORD id = LOWORD(wParam);
        if (lParam != 0) { // a control: the hand images are the only ones that click
            const int card = id - controlId(handImage(0));
            if (HIWORD(wParam) == BN_CLICKED && card >= 1 && card <= HighestCard) {
                playCardCommand(card);
            }
            return 0;
        }
        switch (id) {
        case start:
            newGameCommand();
            break;
        case end:
            exitCommand();
            break;
        case zamut:
            helpCommand();
            break;
        case version:
            versionCommand();
            break;
        default:
            break;
        }
        return 0;
    }
    case WM_DESTROY:
        if (commands_.closed) {
            commands_.closed();
        }
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

} // namespace zamut::win
