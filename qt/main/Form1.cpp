// SPDX-License-Identifier: MIT
// The board window Form1: its controls, its menus and its BoardView.

#include "qt/main/Form1.h"

#include "design/AppInfo.h"
#include "design/Texts.h"
#include "design/Units.h"
#include "engine/Match.h"
#include "qt/main/Layout.h"
#include "qt/main/PictureBox.h"
#include "qt/widgets/DesignText.h"
#include "qt/widgets/GameFont.h"
#include "textlayout/RoundCaption.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace zamut {

namespace {

const QColor BoardGreen(layout::BoardGreen.red, layout::BoardGreen.green, layout::BoardGreen.blue);
// Qt's pixels are those of the 96-dpi screen the board was designed on.
constexpr int LabelPixels = units::fromCentipoints(layout::LabelCentipoints, units::DesignDpi);
constexpr int CaptionPixels = units::fromCentipoints(layout::CaptionCentipoints, units::DesignDpi);

struct LabelLook {
    QFont font;
    QColor background;
    QColor text;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// An opaque label that sizes itself to its text from a fixed top-left corner.
// One without text stays hidden: it would show nothing, and sizing it would
// load its font before the first frame for nothing.
QLabel* addLabel(QWidget* container, const char* name, const QString& text, QPoint topLeft,
                 const LabelLook& look) {
    auto* label = new QLabel(text, container);
    label->setObjectName(QLatin1String(name));
    label->setFont(look.font);
    label->setAlignment(look.alignment);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, look.background);
    palette.setColor(QPalette::WindowText, look.text);
    label->setPalette(palette);
    label->move(topLeft);
    if (text.isEmpty()) {
        label->hide();
    } else {
        label->adjustSize();
    }
    return label;
}

PixelImage* addImage(QWidget* container, ImageId id, const QPixmap& picture) {
    auto* image = new PixelImage(container);
    image->setObjectName(QStringLiteral("Image%1%2").arg(static_cast<int>(id.row)).arg(id.slot));
    image->setPicture(picture);
    image->setGeometry(
        QRect(px(layout::cardAt(id)), QSize(px(layout::CardWidth), px(layout::CardHeight))));
    return image;
}

// Qt announces every accessible name it is given, changed or not; a screen
// reader should hear only what changed (a new game leaves most names as
// they were).
void rename(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
}

} // namespace

Form1::Form1(RandomGenerator& generator, std::unique_ptr<HelpLauncher> helpLauncher,
             Commands commands)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      generator_(generator), commands_(std::move(commands)),
      dlgCommonDialog(std::move(helpLauncher), this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(AppInfo.Title));
    for (std::size_t k = 0; k < Image1.size(); ++k) {
        Image1[k] = QPixmap(QStringLiteral(":/cards/%1.png").arg(k));
    }
    buildMenus();
    buildBoard();
    resize(px(layout::ClientWidth), px(layout::ClientHeight) + menuBar()->sizeHint().height());
}

void Form1::buildMenus() {
    // Kept inside the window even where the desktop offers a global menu bar.
    menuBar()->setNativeMenuBar(false);
    const auto named = [](auto* item, const char* name) {
        item->setObjectName(QLatin1String(name));
        return item;
    };
    QMenu* game = named(menuBar()->addMenu(qtText(texts::Menu.game)), "game");
    menu_.start = named(game->addAction(qtText(texts::Menu.start)), "start");
    menu_.end = named(game->addAction(qtText(texts::Menu.end)), "end");
    QMenu* help = named(menuBar()->addMenu(qtText(texts::Menu.help)), "help");
    menu_.zamut = named(help->addAction(qtText(texts::Menu.zamut)), "zamut");
    menu_.version = named(help->addAction(qtText(texts::Menu.version)), "version");
}

void Form1::buildBoard() {
    auto* board = new QWidget(this);
    board->setObjectName(QStringLiteral("board"));
    board->setAutoFillBackground(true);
    QPalette green = board->palette();
    green.setColor(QPalette::Window, BoardGreen);
    board->setPalette(green);
    setCentralWidget(board);

    const QColor face = palette().color(QPalette::Button);
    const QColor faceText = palette().color(QPalette::ButtonText);
    const LabelLook regular{gameFont(LabelPixels), face, faceText};
    const LabelLook bold{gameFont(LabelPixels, true), face, faceText};
    const LabelLook centred{gameFont(LabelPixels), face, faceText, Qt::AlignCenter};

    for (int n = 1; n <= RoundCount; ++n) {
        const auto at = static_cast<std::size_t>(n - 1);
        Image4x[at] = addImage(board, computerRowImage(n), Image1[0]);
        Image3x[at] = addImage(board, playerRowImage(n), Image1[0]);
    }
    Label7 = addLabel(board, "Label7", qtText(texts::Computer), px(layout::Label7), centred);
    Label8 = addLabel(board, "Label8", qtText(texts::Player), px(layout::Label8), centred);
    Label1 = addLabel(board, "Label1", QString(), px(layout::Label1),
                      {gameFont(CaptionPixels, true), BoardGreen, faceText, Qt::AlignCenter});

    Picture1 = new PictureBox(board, px(layout::Picture1));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(qtText(texts::Score));
    Picture1->setAutoFillBackground(true);
    QPalette panelColours = Picture1->palette();
    panelColours.setColor(QPalette::Window, face);
    Picture1->setPalette(panelColours);
    QWidget* panel = Picture1->client();
    Label2 = addLabel(panel, "Label2", qtText(texts::Score), px(layout::Label2),
                      {gameFont(LabelPixels, true), face, faceText, Qt::AlignCenter});
    Label5 = addLabel(panel, "Label5", qtText(texts::Player), px(layout::Label5), regular);
    Label6 = addLabel(panel, "Label6", qtText(texts::Computer), px(layout::Label6), regular);
    Label3 = addLabel(panel, "Label3", QStringLiteral("0"), px(layout::Label3), bold);
    Label4 = addLabel(panel, "Label4", QStringLiteral("0"), px(layout::Label4), bold);

    Picture2 = new PictureBox(board, px(layout::Picture2));
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(qtText(texts::Hand));
    Picture2->setAutoFillBackground(true);
    QPalette hand = green;
    hand.setColor(QPalette::WindowText, Qt::white);
    Picture2->setPalette(hand);
    for (int v = 1; v <= HighestCard; ++v) {
        const auto at = static_cast<std::size_t>(v - 1);
        Image2x[at] = addImage(Picture2->client(), handImage(v), Image1[at + 1]);
        Image2x[at]->setEnabled(false);
        Image2x[at]->setButton(true);
    }

    for (int slot = 1; slot <= RoundCount; ++slot) {
        const auto picture = static_cast<CardPicture>(slot);
        image(handImage(slot))
            ->setAccessibleName(qtText(texts::imageName(handImage(slot), picture)));
        image(playerRowImage(slot))
            ->setAccessibleName(qtText(texts::imageName(playerRowImage(slot), BackPicture)));
        image(computerRowImage(slot))
            ->setAccessibleName(qtText(texts::imageName(computerRowImage(slot), BackPicture)));
    }
    Label3->setAccessibleName(qtText(texts::totalName(LabelId::Label3, "0")));
    Label4->setAccessibleName(qtText(texts::totalName(LabelId::Label4, "0")));
    // Label1 is named by its own text, which says what it is ("１回戦", a
    // verdict), and is nameless while empty.
}

PixelImage* Form1::image(ImageId id) const {
    const std::size_t at = roundIndex(id.slot);
    switch (id.row) {
    case ImageRow::Hand:
        return Image2x[at];
    case ImageRow::Player:
        return Image3x[at];
    case ImageRow::Computer:
        return Image4x[at];
    }
    throw std::out_of_range("unknown board image row");
}

QLabel* Form1::label(LabelId id) const {
    switch (id) {
    case LabelId::Label1:
        return Label1;
    case LabelId::Label3:
        return Label3;
    case LabelId::Label4:
        return Label4;
    }
    throw std::out_of_range("unknown board label");
}

const QPixmap& Form1::picture(CardPicture picture) const {
    return Image1.at(static_cast<std::size_t>(picture));
}

void Form1::ShowCardPicture(ImageId id, CardPicture shown) {
    PixelImage* target = image(id);
    target->setPicture(picture(shown));
    rename(target, qtText(texts::imageName(id, shown)));
}

void Form1::SetCardEnabled(ImageId handImage, bool on) {
    if (handImage.row != ImageRow::Hand) {
        throw std::invalid_argument("only hand images take clicks");
    }
    image(handImage)->setEnabled(on);
}

void Form1::SetCaption(LabelId id, std::string_view text) {
    const QString caption = qtText(text);
    if (id == LabelId::Label1) {
        Label1->setText(caption);
        placeRoundCaption();
        return;
    }
    QLabel* total = label(id);
    rename(total, qtText(texts::totalName(id, text)));
    total->setText(caption);
    total->adjustSize();
}

void Form1::placeRoundCaption() {
    Label1->setVisible(!Label1->text().isEmpty());
    Label1->setWordWrap(false);
    Label1->adjustSize();
    const QPoint origin = px(layout::Label1);
    const CaptionBox box =
        zamut::placeRoundCaption(Label1->width(), origin.x(), origin.y(), Picture1->x());
    Label1->setWordWrap(box.wraps);
    Label1->setGeometry(box.left, box.top, box.width,
                        box.wraps ? Label1->heightForWidth(box.width) : Label1->height());
}

void Form1::newGameCommand() {
    NewGame(state_, *this, generator_);
}

void Form1::playCardCommand(CardValue card) {
    PlayCard(state_, *this, card);
}

void Form1::exitCommand() {
    // At once: no close events, nothing to save.
    QCoreApplication::exit(0);
}

void Form1::helpCommand() {
    // The file and the command are given anew on every request.
    dlgCommonDialog.HelpFile = qtText(texts::HelpFile);
    dlgCommonDialog.HelpCommand = texts::HelpContents;
    dlgCommonDialog.ShowHelp();
}

void Form1::versionCommand() {
    commands_.showAbout();
}

} // namespace zamut
