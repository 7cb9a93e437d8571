// tilegen: draws the card pictures and the icon and writes them as indexed
// PNG files (cards/0.png .. cards/9.png, icon/zamut.png under the output
// folder), or renders a contact sheet of all of them for a visual check.

#include "res/tilegen/TilePictures.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG"))
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
    for (int k = 0; k < zamut::CardPictureCount; ++k)
        if (!save(zamut::cardPicture(k), dir.filePath(QString("cards/%1.png").arg(k))))
            return false;
    return save(zamut::iconPicture(), dir.filePath("icon/zamut.png"));
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
        place(zamut::cardPicture(k), gap + k * (cardWidth + gap));
    place(zamut::iconPicture(), gap + zamut::CardPictureCount * (cardWidth + gap) + gap);
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
    const QCommandLineOption scaleOption("scale", "Enlargement of the contact sheet.", "factor",
                                         "8");
    parser.addOptions({sheetOption, scaleOption});
    parser.process(app);

    if (parser.isSet(sheetOption)) {
        bool ok = false;
        const int scale = parser.value(scaleOption).toInt(&ok);
        if (!ok || scale < 1 || scale > 32)
            parser.showHelp(1);
        return save(contactSheet(scale), parser.value(sheetOption)) ? 0 : 1;
    }
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    return writePictures(parser.positionalArguments().constFirst()) ? 0 : 1;
}
