// SPDX-License-Identifier: MIT
// The About window frmAbout: its fixed layout, and its caption set on every load.

#include "qt/about/frmAbout.h"

#include "design/AboutLayout.h"
#include "design/AboutText.h"
#include "design/Units.h"
#include "qt/widgets/DesignText.h"
#include "qt/widgets/GameFont.h"
#include "qt/widgets/PixelImage.h"
#include "qt/widgets/SkipTaskbar.h"
#include "qt/widgets/WrappingText.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <utility>

namespace zamut {

namespace {

// Qt's pixels are those of the 96-dpi screen the window was designed on.
constexpr int DefaultFontPixels = units::fromCentipoints(about::FontCentipoints, units::DesignDpi);
constexpr int TitleFontPixels = units::fromCentipoints(about::TitleCentipoints, units::DesignDpi);

constexpr QPoint qtPoint(layout::Point point) {
    return {point.left, point.top};
}
constexpr QRect qtRect(layout::Box box) {
    return {box.left, box.top, box.width, box.height};
}
const QRect ClientGeometry = qtRect(about::Client);

QLabel* autoSizeLabel(QWidget* parent, const char* name, const QString& text, QPoint topLeft) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(topLeft);
    label->adjustSize();
    return label;
}

QLabel* wrappingLabel(QWidget* parent, const char* name, const QString& text, QRect box) {
    auto* label = new WrappingText(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(box);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

// A plain top-level window rather than a dialog-type one: on X11 a dialog is
// made transient for the program's windows and would go with the main window.
frmAbout::frmAbout(QString applicationTitle, QPixmap iconPicture)
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      applicationTitle_(std::move(applicationTitle)) {
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(ClientGeometry.size());
    setFont(gameFont(DefaultFontPixels));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    // A sunken two-pixel border around the picture's own size.
    picIcon = new QFrame(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    auto* picture = new PixelImage(picIcon);
    picture->setPicture(iconPicture);
    const int border = picIcon->frameWidth();
    picture->setGeometry(QRect(QPoint(border, border), picture->sizeHint()));
    picIcon->setGeometry(
        QRect(qtPoint(about::IconAt), picture->sizeHint() + QSize(2 * border, 2 * border)));

    Label1 = autoSizeLabel(this, "Label1", applicationTitle_, qtPoint(about::Label1));
    Label1->setFont(gameFont(TitleFontPixels, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->adjustSize();
    Label2 = autoSizeLabel(this, "Label2", qtText(about::VersionLine), qtPoint(about::Label2));
    Label3 = autoSizeLabel(this, "Label3", qtText(about::Copyright), qtPoint(about::Label3));
    Label4 = autoSizeLabel(this, "Label4", qtText(about::Author), qtPoint(about::Label4));

    lblDescription = wrappingLabel(this, "lblDescription", qtText(about::Contact),
                                   qtRect(about::DescriptionBox));
    lblDisclaimer = wrappingLabel(this, "lblDisclaimer", qtText(about::Disclaimer),
                                  qtRect(about::DisclaimerBox));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(qtRect(about::OkButton));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    // The button's Click is what unloads the window, as the close box does.
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
}

void frmAbout::showModeless() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    Load();
    skipTaskbar(winId());
    setGeometry(ClientGeometry); // a dialog would otherwise centre itself
    show();
}

void frmAbout::Load() {
    setWindowTitle(applicationTitle_ + qtText(about::CaptionSuffix));
}

// Esc presses cmdOK as the cancel button, so both keys end in its Click.
void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The etched separator between the contact text and the disclaimer.
void frmAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const auto& [line, colour] : {std::pair(about::SeparatorShadow, about::Shadow),
                                       std::pair(about::SeparatorLight, about::Light)}) {
        painter.fillRect(qtRect(line), QColor(colour.red, colour.green, colour.blue));
    }
}

} // namespace zamut
