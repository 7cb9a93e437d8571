// SPDX-License-Identifier: MIT
// What assistive technology sees of a PixelImage: a picture, or a button to press.
#include "qt/widgets/AccessiblePixelImage.h"

#include "qt/widgets/PixelImage.h"

#include <QAccessibleWidget>

namespace zamut {

namespace {

// A plain widget reads as a "filler", which screen readers skip and cannot
// press. The name stays the widget's accessible name, and Qt already reports
// every change of it, of its enabled state and of its visibility.
class AccessiblePixelImage final : public QAccessibleWidget {
public:
    explicit AccessiblePixelImage(PixelImage* image) : QAccessibleWidget(image) {}

    QAccessible::Role role() const override {
        return image()->isButton() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override {
        return image()->isButton() ? QStringList{pressAction()} : QStringList{};
    }

    // Does what a left click does, so a disabled image ignores it.
    void doAction(const QString& name) override {
        if (name == pressAction() && image()->isButton()) {
            image()->press();
        }
    }

private:
    PixelImage* image() const { return static_cast<PixelImage*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    if (auto* image = qobject_cast<PixelImage*>(object)) {
        return new AccessiblePixelImage(image);
    }
    return nullptr;
}

} // namespace

void installPixelImageAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace zamut
