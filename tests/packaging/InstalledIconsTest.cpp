// The icons that `cmake --install` puts into the hicolor theme.

#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(InstalledIcons, AreTheDrawnIconEnlargedWithoutBlur) {
    const QImage source(ZAMUT_RES_DIR "/icon/zamut.png");
    const QString path = ZAMUT_INSTALL_ROOT "/share/icons/hicolor/%1x%1/apps/" ZAMUT_APP_ID ".png";
    for (const int factor : {2, 4, 8}) {
        const int size = 32 * factor;
        const QImage icon = QImage(path.arg(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(icon.pixel(x, y), source.pixel(x / factor, y / factor))
                    << size << ": " << x << "," << y;
    }
}

} // namespace
