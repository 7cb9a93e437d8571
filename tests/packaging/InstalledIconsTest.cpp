// The icons that `cmake --install` puts into the hicolor theme.

#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(InstalledIcons, AreTheDrawnIconEnlargedWithoutBlur) {
    const QImage source =
        QImage(ZAMUT_RES_DIR "/icon/zamut.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(source.size(), QSize(32, 32));
    for (const int factor : {1, 2, 4, 8}) {
        const int size = 32 * factor;
        const QString path = QString(ZAMUT_INSTALL_ROOT "/share/icons/hicolor/%1x%1/apps/%2.png")
                                 .arg(size)
                                 .arg(ZAMUT_APP_ID);
        const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(icon.pixel(x, y), source.pixel(x / factor, y / factor))
                    << size << ": " << x << "," << y;
    }
}

} // namespace
