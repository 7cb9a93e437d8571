#pragma once

#include <QString>
#include <QStringList>

namespace zamut {

// Where a help file named without a folder is looked for, in this order: the
// current directory, the engine's own folder, and the data folder installed
// next to the engine's folder (../share/<application id>).
QStringList HelpSearchDirs(const QString& engineDir);

// The first existing entry called `name` in `dirs`. A name with a folder is
// taken as given, relative to the current directory. Empty when none exists.
QString FindHelpFile(const QString& name, const QStringList& dirs);

// What the help window shows: the file's Markdown, or a message naming the
// file when it is missing or not a help file.
struct HelpContent {
    bool ok = false;
    QString path; // the file found, or the name as given when none was
    QString text; // Markdown when ok, else the message as plain text
};

HelpContent OpenHelp(const QString& name, const QStringList& dirs);

// Reads and checks one help file: UTF-8 text, not empty, not oversized.
HelpContent LoadHelpFile(const QString& path);

} // namespace zamut
