// SPDX-License-Identifier: MIT
// A picture box: a container inside a sunken frame two pixels wide.

#include "qt/main/PictureBox.h"

#include <QAccessibleWidget>

namespace zamut {

namespace {

// A plain frame reads as a nameless border; a picture box is a group of the
// controls inside it, named by its accessible name.
QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    if (auto* box = dynamic_cast<PictureBox*>(object)) {
        return new QAccessibleWidget(box, QAccessible::Grouping);
    }
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent, const QRect& outer)
    : QFrame(parent), client_(new QWidget(this)) {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    static_cast<void>(installed);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setGeometry(outer);
    client_->setGeometry(contentsRect());
}

} // namespace zamut
