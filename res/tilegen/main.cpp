// SPDX-License-Identifier: MIT
// tilegen: draws the card pictures and the icon and writes them as indexed
// PNG files (cards/0.png .. cards/9.png, icon/zamut.png under the output
// folder) and the icon as a Windows icon file (icon/zamut.ico), or renders a
// contact sheet of all of them for a visual check. At build time it derives
// files from the committed ones: the Windows icon resources and enlarged
// icons.

#include "res/tilegen/IconFile.h"
#include "res/tilegen/TilePictures.h"
#include "res/tilegen/XpmFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>

#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "tilegen: cannot write %s\n", qPrintable(path));
    return false;
}

bool write(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "tilegen: cannot write %s\n", qPrintable(path));
    return false;
}

bool writePictures(const QString& folder) {
    const QDir dir(folder);
    if (!dir.mkpath("cards") || !dir.mkpath("icon")) {
        std::fprintf(stderr, "tilegen: cannot create folders in %s\n", qPrintable(folder));
        return false;
    }
    for (int k = 0; k < zamut::CardPictureCount; ++k) {
        const QImage card = zamut::drawCardPicture(k);
        const QByteArray name = QByteArray("card") + QByteArray::number(k) + "_xpm";
        if (!save(card, dir.filePath(QString("cards/%1.png").arg(k))) ||
            !write(zamut::xpmFileBytes(card, name), dir.filePath(QString("cards/%1.xpm").arg(k))))
            return false;
    }
    const QImage icon = zamut::drawIconPicture();
    return save(icon, dir.filePath("icon/zamut.png")) &&
           write(zamut::iconFileBytes(icon), dir.filePath("icon/zamut.ico"));
}

// A picture enlarged by a whole factor, each pixel an exact square block.
bool enlarge(const QString& from, int factor, const QString& to) {
    const QImage picture(from);
    if (picture.isNull()) {
        std::fprintf(stderr, "tilegen: cannot read %s\n", qPrintable(from));
        return false;
    }
    return save(
        picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation), to);
}

// All ten cards side by side and the icon after them, each enlarged by a whole
// factor without smoothing, on the board's green.
QImage contactSheet(int scale) {
    const int gap = 4 * scale;
    const int cardWidth = zamut::CardPictureWidth * scale;
    const int width = gap + zamut::CardPictureCount * (cardWidth + gap) + gap +
                      zamut::IconPictureSize * scale + gap;
    const int height = 2 * gap + zamut::CardPictureHeight * scale;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0, 128, 0));
    QPainter painter(&sheet);
    const auto place = [&](const QImage& picture, int x) {
        painter.drawImage(x, gap, picture.scaled(picture.size() * scale));
    };
    for (int k = 0; k < zamut::CardPictureCount; ++k)
        place(zamut::drawCardPicture(k), gap + k * (cardWidth + gap));
    place(zamut::drawIconPicture(), gap + zamut::CardPictureCount * (cardWidth + gap) + gap);
    return sheet;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the card pictures and the icon.");
    parser.addHelpOption();
    parser.addPositionalArgument("folder", "Folder that receives cards/ and icon/.");
    const QCommandLineOption sheetOption("sheet", "Render a contact sheet to <file> instead.",
                                         "file");
    const QCommandLineOption scaleOption(
        "scale", "Enlargement of the contact sheet, or of <picture> into <output>.", "factor", "8");
    const QCommandLineOption enlargeOption(
        "enlarge", "Enlarge the picture file <picture> into <output> (arguments: picture output).");
    parser.addOptions({sheetOption, scaleOption, enlargeOption});
    parser.process(app);

    bool ok = false;
    const int scale = parser.value(scaleOption).toInt(&ok);
    if (!ok || scale < 1 || scale > 32)
        parser.showHelp(1);
    const QStringList arguments = parser.positionalArguments();
    if (parser.isSet(sheetOption))
        return save(contactSheet(scale), parser.value(sheetOption)) ? 0 : 1;
    if (parser.isSet(enlargeOption) && arguments.size() == 2)
        return enlarge(arguments[0], scale, arguments[1]) ? 0 : 1;
    if (arguments.size() != 1 || parser.isSet(enlargeOption))
        parser.showHelp(1);
    return writePictures(arguments.constFirst()) ? 0 : 1;
}
