// SPDX-License-Identifier: MIT
// The game's Japanese proportional font: the first installed family of its chain.

#include "qt/widgets/GameFont.h"

#include "design/BoardLayout.h"
#include "qt/widgets/DesignText.h"

#include <QFontDatabase>
#include <QStringList>

namespace zamut {

namespace {

// The first installed family of the chain. Naming only that one spares Qt a
// fallback search through every missing family for each size and weight,
// which cost more start-up time than all the card pictures together.
QString installedFamily() {
    static const QStringList chain = {
        QStringLiteral("MS PGothic"), qtText(layout::FontFace),
        QStringLiteral("Monapo"),     QStringLiteral("IPAPGothic"),
        QStringLiteral("IPAGothic"),  QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"),
    };
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : chain) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return {}; // none of them: Qt's default font, with its own fallbacks
}

} // namespace

QFont gameFont(int pixelSize, bool bold) {
    static const QString family = installedFamily();
    QFont font;
    if (!family.isEmpty()) {
        font.setFamily(family);
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace zamut
