#include "platform/helpengine/HelpView.h"

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

} // namespace

HelpView::HelpView(QWidget* parent) : QTextBrowser(parent) {
    setDocument(new InertDocument(this));
    setWindowTitle(QStringLiteral("ザムト ヘルプ"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    resize(640, 560);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpView::FollowLink);
}

void HelpView::ShowContent(const helpfile::Content& content) {
    const QString text = QString::fromStdString(content.text);
    if (content.ok) {
        document()->setMarkdown(
            text, QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub |
                                                  QTextDocument::MarkdownNoHTML));
    } else {
        document()->setPlainText(text);
    }
    moveCursor(QTextCursor::Start); // open at the top of the page
}

void HelpView::Raise() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void HelpView::FollowLink(const QUrl& link) {
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        scrollToAnchor(link.fragment());
    }
}

} // namespace zamut
