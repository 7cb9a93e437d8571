// SPDX-License-Identifier: MIT
// The help window: a help file shown as inert text.

#pragma once

#include "helpfile/HelpFile.h"

#include <QTextBrowser>

namespace zamut {

// The help window: shows a help file as inert text. Markdown without HTML;
// nothing but the help file is ever loaded (a picture shows as its
// alternative text), and a link never leaves the window (a link to an anchor
// of the page scrolls to it, others do nothing).
class HelpView final : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpView(QWidget* parent = nullptr);

    void showContent(const helpfile::Content& content);

    // Brings the window to the front for a repeated request.
    void bringToFront();

private:
    void showDocument(QTextDocument* page);
    void followLink(const QUrl& link);
};

} // namespace zamut
