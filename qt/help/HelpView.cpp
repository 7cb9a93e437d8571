// SPDX-License-Identifier: MIT
// The help window: a help file shown as inert text.

#include "qt/help/HelpView.h"

#include "design/Texts.h"
#include "qt/widgets/DesignText.h"

#include <QTextBlock>

#include <utility>
#include <vector>

namespace zamut {
namespace {

// A plain QTextDocument falls back to reading local files for pictures; this
// one loads nothing at all.
class InertDocument final : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int /*type*/, const QUrl& /*name*/) override { return {}; }
};

// Qt reads a picture named by a plain path by itself, past loadResource, even
// from a pipe, which blocks for good. Built apart from any layout, the page
// has its pictures replaced before anything could load them.
void showImagesAsText(QTextDocument& document) {
    std::vector<std::pair<QTextFragment, QString>> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                pictures.emplace_back(it.fragment(),
                                      format.stringProperty(QTextFormat::ImageAltText));
            }
        }
    }
    QTextCursor cursor(&document);
    // From the end, so the positions still to come stay valid.
    for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
        QTextCharFormat text = it->first.charFormat();
        text.setObjectType(QTextFormat::NoObject);
        for (const int property :
             {QTextFormat::ImageName, QTextFormat::ImageAltText, QTextFormat::ImageTitle,
              QTextFormat::ImageWidth, QTextFormat::ImageHeight}) {
            text.clearProperty(property);
        }
        cursor.setPosition(it->first.position());
        cursor.setPosition(it->first.position() + it->first.length(), QTextCursor::KeepAnchor);
        cursor.insertText(it->second, text);
    }
}

} // namespace

HelpView::HelpView(QWidget* parent) : QTextBrowser(parent) {
    showDocument(new InertDocument(this));
    setWindowTitle(qtText(texts::HelpTitle));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    resize(640, 560);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpView::followLink);
}

void HelpView::showContent(const helpfile::Content& content) {
    // Built apart from the window, in one edit: a document on show is laid
    // out again after every piece the Markdown reader adds, and outside an
    // edit each piece measures its whole paragraph again; both take time
    // quadratic in the length of the text.
    auto* page = new InertDocument(this);
    const QString text = QString::fromStdString(content.text);
    if (content.ok) {
        QTextCursor edit(page);
        edit.beginEditBlock();
        page->setMarkdown(text,
                          QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub |
                                                          QTextDocument::MarkdownNoHTML));
        showImagesAsText(*page);
        edit.endEditBlock();
    } else {
        page->setPlainText(text);
    }
    showDocument(page);
    moveCursor(QTextCursor::Start); // open at the top of the page
}

void HelpView::showDocument(QTextDocument* page) {
    // The text control deletes a document of its own when it is replaced,
    // ours are left to us.
    QTextDocument* shown = document();
    const bool ours = shown->parent() == this;
    setDocument(page);
    if (ours) {
        delete shown;
    }
}

void HelpView::bringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void HelpView::followLink(const QUrl& link) {
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        scrollToAnchor(link.fragment());
    }
}

} // namespace zamut
