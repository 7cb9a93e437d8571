// SPDX-License-Identifier: MIT
// A picture box: a container inside a sunken frame two pixels wide.

#include "qt/main/PictureBox.h"

namespace zamut {

PictureBox::PictureBox(QWidget* parent, const QRect& outer)
    : QFrame(parent), client_(new QWidget(this)) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setGeometry(outer);
    client_->setGeometry(contentsRect());
}

} // namespace zamut
