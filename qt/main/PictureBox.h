// SPDX-License-Identifier: MIT
// A picture box: a container inside a sunken frame two pixels wide.

#pragma once

#include <QFrame>

namespace zamut {

// A container with a sunken 3-D frame two pixels wide. Its children are
// placed in client(), whose origin lies inside the frame, as the board's
// coordinates for a picture box are measured.
class PictureBox : public QFrame {
public:
    PictureBox(QWidget* parent, const QRect& outer);
    QWidget* client() const { return client_; }

private:
    QWidget* client_;
};

} // namespace zamut
