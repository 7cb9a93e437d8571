// SPDX-License-Identifier: MIT
// The icons that `cmake --install` puts into the hicolor theme.

#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(InstalledIcons, AreTheDrawnIconEnlargedWithoutBlur) {
    const QImage source = QImage(ZAMUT_RES_DIR "/icon/zamut.png")
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QString path = ZAMUT_INSTALL_ROOT "/share/icons/hicolor/%1x%1/apps/" ZAMUT_APP_ID ".png";
    for (const int size : {64, 128, 256}) {
        const QImage icon =
            QImage(path.arg(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(icon, source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation))
            << size;
    }
}

} // namespace
