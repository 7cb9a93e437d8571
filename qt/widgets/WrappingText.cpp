// SPDX-License-Identifier: MIT
// WrappingText: Qt's font metrics and painter around the shared line-breaking rule.
#include "qt/widgets/WrappingText.h"

#include "textlayout/LineBreak.h"

#include <QPainter>

namespace zamut {

int WrappingText::heightForWidth(int width) const {
    return static_cast<int>(lines(width).size()) * fontMetrics().lineSpacing();
}

void WrappingText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = fontMetrics();
    int baseline = metrics.ascent();
    for (const QString& line : lines(width())) {
        painter.drawText(0, baseline, line);
        baseline += metrics.lineSpacing();
    }
}

QStringList WrappingText::lines(int width) const {
    const QString content = text();
    const QFontMetrics metrics = fontMetrics();
    const auto toQString = [](std::u16string_view run) {
        return QStringView(run.data(), static_cast<qsizetype>(run.size())).toString();
    };
    QStringList lines;
    for (const std::u16string_view line :
         breakLines(std::u16string_view(reinterpret_cast<const char16_t*>(content.utf16()),
                                        static_cast<std::size_t>(content.size())),
                    width, [&](std::u16string_view run) {
                        return metrics.horizontalAdvance(toQString(run));
                    })) {
        lines.append(toQString(line));
    }
    return lines;
}

} // namespace zamut
