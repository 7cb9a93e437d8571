// SPDX-License-Identifier: MIT
// The About window frmAbout: its fixed layout, and its caption set on every load.

#include "qt/about/frmAbout.h"

#include "design/AboutText.h"

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

QString aboutText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The window's default font, 9 points at 96 dpi.
constexpr int DefaultFontPixels = 12;
// The title's 14.25 points at 96 dpi.
constexpr int TitleFontPixels = 19;

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
        QRect(QPoint(16, 16), picture->sizeHint() + QSize(2 * border, 2 * border)));

    Label1 = autoSizeLabel(this, "Label1", QStringLiteral("ザムト"), QPoint(152, 8));
    Label1->setFont(gameFont(TitleFontPixels, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->adjustSize();
    Label2 = autoSizeLabel(this, "Label2", aboutText(about::VersionLine), QPoint(144, 40));
    Label3 = autoSizeLabel(this, "Label3", aboutText(about::Copyright), QPoint(120, 56));
    Label4 = autoSizeLabel(this, "Label4", aboutText(about::Author), QPoint(160, 72));

    lblDescription =
        wrappingLabel(this, "lblDescription", aboutText(about::Contact), QRect(56, 104, 259, 46));
    lblDisclaimer =
        wrappingLabel(this, "lblDisclaimer", aboutText(about::Disclaimer), QRect(17, 175, 258, 55));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(283, 176, 92, 23);
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
    setWindowTitle(applicationTitle_ + aboutText(about::CaptionSuffix));
}

// Esc presses cmdOK as the cancel button, so both keys end in its Click.
void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The etched separator between the contact text and the disclaimer: a grey
// line with a white line of two pixels one pixel lower.
void frmAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(6, 163), QPoint(376, 163)), QColor(128, 128, 128));
    painter.fillRect(QRect(QPoint(7, 164), QPoint(376, 165)), QColor(255, 255, 255));
}

} // namespace zamut
