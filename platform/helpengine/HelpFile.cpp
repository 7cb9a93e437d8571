#include "platform/helpengine/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace zamut {
namespace {

// Far above any real help text; keeps a wrong file from stalling the engine.
constexpr qint64 MaxHelpFileBytes = 1 << 20;

HelpContent Failure(const QString& path, const QString& reason) {
    return {false, path,
            QStringLiteral("ヘルプ ファイル「%1」を表示できません。\n\n%2")
                .arg(QDir::toNativeSeparators(path), reason)};
}

bool IsText(const QString& text) {
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7f;
    });
}

} // namespace

QStringList HelpSearchDirs(const QString& engineDir) {
    return {QDir::currentPath(), engineDir,
            QDir::cleanPath(engineDir + QLatin1Char('/') + QStringLiteral(ZAMUT_HELP_DATA_DIR))};
}

QString FindHelpFile(const QString& name, const QStringList& dirs) {
    if (name.isEmpty()) {
        return {};
    }
    if (name.contains(QLatin1Char('/'))) {
        return QFileInfo::exists(name) ? QFileInfo(name).absoluteFilePath() : QString();
    }
    for (const QString& dir : dirs) {
        const QFileInfo candidate(QDir(dir), name);
        if (candidate.exists()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

HelpContent OpenHelp(const QString& name, const QStringList& dirs) {
    const QString path = FindHelpFile(name, dirs);
    if (!path.isEmpty()) {
        return LoadHelpFile(path);
    }
    QString places;
    if (!name.contains(QLatin1Char('/'))) {
        places = QStringLiteral("\n\n次の場所を探しました:");
        for (const QString& dir : dirs) {
            places += QStringLiteral("\n  ") + QDir::toNativeSeparators(dir);
        }
    }
    return {false, name,
            QStringLiteral("ヘルプ ファイル「%1」が見つかりません。").arg(name) + places};
}

HelpContent LoadHelpFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return Failure(path, QStringLiteral("ファイルを読み込めません。"));
    }
    const QByteArray bytes = file.read(MaxHelpFileBytes + 1);
    if (bytes.size() > MaxHelpFileBytes) {
        return Failure(path, QStringLiteral("ファイルが大きすぎます。"));
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder drops a leading byte-order mark.
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || !IsText(text)) {
        return Failure(path, QStringLiteral("ヘルプの形式（UTF-8 のテキスト）ではありません。"));
    }
    if (text.trimmed().isEmpty()) {
        return Failure(path, QStringLiteral("ファイルが空です。"));
    }
    return {true, path, text};
}

} // namespace zamut
