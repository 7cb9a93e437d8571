#include "platform/helpengine/HelpView.h"

#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include "tests/platform/QtPrinters.h"

#include <gtest/gtest.h>

namespace zamut {
namespace {

HelpContent Markdown(const QString& text) {
    return {true, "help.hlp", text};
}

TEST(HelpView, RendersMarkdownButNoHtmlAndLoadsNoPicture) {
    QTemporaryDir root;
    const QString picture = root.filePath("tile.png");
    QImage(8, 8, QImage::Format_RGB32).save(picture);
    const QUrl pictureUrl = QUrl::fromLocalFile(picture);

    HelpView view;
    view.ShowContent(Markdown("# ルール\n\n<b>太字</b>\n\n![牌](" + pictureUrl.toString() + ")\n" +
                              QString("\n本文\n").repeated(200)));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    EXPECT_EQ(view.windowTitle(), QStringLiteral("ザムト ヘルプ"));
    const QString shown = view.toPlainText();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("ルール")));
    EXPECT_TRUE(shown.contains(QStringLiteral("<b>太字</b>"))) << "HTML stays text";
    EXPECT_TRUE(view.document()->resource(QTextDocument::ImageResource, pictureUrl).isNull());
    EXPECT_GT(view.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0) << "the page opens at its top";
}

TEST(HelpView, ClickingALinkOpensNothing) {
    QTemporaryDir root;
    const QString secret = root.filePath("secret.txt");
    QFile file(secret);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("SECRET");
    file.close();

    HelpView view;
    view.ShowContent(Markdown("[開く](" + QUrl::fromLocalFile(secret).toString() + ")\n"));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicked(&view, &QTextBrowser::anchorClicked);

    QTextCursor link = view.document()->find(QStringLiteral("開く"));
    link.setPosition(link.selectionStart() + 1);
    const QPoint at = view.cursorRect(link).center();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at);

    EXPECT_EQ(clicked.count(), 1) << "the click reached the link";
    EXPECT_EQ(view.toPlainText(), QStringLiteral("開く"));
    EXPECT_TRUE(view.source().isEmpty());
}

} // namespace
} // namespace zamut
