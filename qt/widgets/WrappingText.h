// SPDX-License-Identifier: MIT
// A label that wraps Japanese text inside its box.
#pragma once

#include <QLabel>

namespace zamut {

// Wraps where Japanese text may break (textlayout/LineBreak.h) instead of
// QLabel's word wrap, which breaks inside Latin runs such as addresses.
class WrappingText : public QLabel {
public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList lines(int width) const;
};

} // namespace zamut
