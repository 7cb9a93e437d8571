// SPDX-License-Identifier: MIT
// The largest help files the engine accepts, from text to first frame: Markdown
// parse and the help window's layout and paint, per kind of content.

#include "helpfile/HelpFile.h"
#include "qt/help/HelpView.h"

#include <QAbstractTextDocumentLayout>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace {

using namespace zamut;

// One line of each kind of content that costs Qt the most per byte.
struct Shape {
    const char* name;
    std::string line;
};

std::string backtickRuns() {
    std::string line;
    for (int run = 1; run <= 12; ++run) {
        line += std::string(std::size_t(run), '`') + ' ';
    }
    return line + '\n';
}

const Shape Shapes[] = {
    {"lines", "ザムトの遊び方\n"},
    {"paragraphs", "ザムトの遊び方\n\n"},
    {"list", "- 項目\n"},
    {"numbered", "1. 項目\n"},
    {"nested", "- a\n  - b\n    - c\n      - d\n"},
    {"quotes", "> > > > > > > > 引用\n"},
    {"table", "| 1 | 2 | 3 | 4 | 5 | 6 | 7 | 8 |\n"},
    {"headings", "## 見出し\n"},
    {"links", "[牌](#a) [牌](#b) [牌](#c) [牌](#d)\n"},
    {"emphasis", "*a **b *c **d *e **f *g **h *i **j\n"},
    {"brackets", std::string(79, '[') + '\n'},
    {"backticks", backtickRuns()},
};

// As many lines as both caps allow, times `fraction`.
std::string largestFile(const Shape& shape, double fraction) {
    std::string text = "| a | b | c | d | e | f | g | h |\n|-|-|-|-|-|-|-|-|\n";
    const auto bytes = std::size_t(double(helpfile::MaxBytes) * fraction);
    const auto lines = std::size_t(double(helpfile::MaxLines) * fraction);
    const auto perLine = std::size_t(std::count(shape.line.begin(), shape.line.end(), '\n'));
    std::size_t count = 2;
    while (text.size() + shape.line.size() <= bytes && count + perLine <= lines) {
        text += shape.line;
        count += perLine;
    }
    return text;
}

void BM_Parse(benchmark::State& bench, const Shape& shape, double fraction) {
    const QString text = QString::fromStdString(largestFile(shape, fraction));
    for (auto _ : bench) {
        QTextDocument document;
        document.setMarkdown(text,
                             QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub |
                                                             QTextDocument::MarkdownNoHTML));
        benchmark::DoNotOptimize(document.blockCount());
    }
    bench.SetBytesProcessed(bench.iterations() * text.size());
}

// What the engine does before the window shows the top of the page, then the
// layout of the rest, which the scroll bar waits for.
void BM_FirstFrame(benchmark::State& bench, const Shape& shape, double fraction) {
    const helpfile::Content content{true, "help.hlp", largestFile(shape, fraction)};
    for (auto _ : bench) {
        HelpView view;
        view.showContent(content);
        view.show();
        view.grab();
        benchmark::DoNotOptimize(view.document()->documentLayout()->documentSize());
    }
    bench.SetBytesProcessed(bench.iterations() * std::int64_t(content.text.size()));
}

bool registerBenchmarks() {
    for (const Shape& shape : Shapes) {
        for (const double fraction : {0.5, 1.0}) {
            const std::string size = fraction < 1 ? "/half" : "/cap";
            benchmark::RegisterBenchmark(("Parse/" + std::string(shape.name) + size).c_str(),
                                         BM_Parse, shape, fraction)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("FirstFrame/" + std::string(shape.name) + size).c_str(),
                                         BM_FirstFrame, shape, fraction)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}
const bool registered = registerBenchmarks();

} // namespace
