#include "ui/widgets/GameFont.h"

#include <QStringList>

namespace zamut {

QFont GameFont(int pixelSize, bool bold) {
    static const QStringList families = {
        QStringLiteral("MS PGothic"), QStringLiteral("ＭＳ Ｐゴシック"),
        QStringLiteral("Monapo"),     QStringLiteral("IPAPGothic"),
        QStringLiteral("IPAGothic"),  QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"),
    };
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace zamut
