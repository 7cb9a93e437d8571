// SPDX-License-Identifier: MIT
// One help window per user and file, over a socket only the user can reach.

#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace zamut {

// One help window per user and file. The first engine for a file serves a
// local socket named after the file in a folder only the user can enter; a
// later engine for the same file asks it to come to the front and ends. A
// server run by anyone else is never asked, and a request no server answers
// gets a window of its own.
class HelpInstance final : public QObject {
    Q_OBJECT
public:
    // `key` identifies the file, e.g. its canonical path. `folder` holds the
    // socket (privateFolder()); when it is empty every engine shows its own
    // window.
    HelpInstance(const QString& key, const QString& folder, QObject* parent = nullptr);

    // $XDG_RUNTIME_DIR when it is the user's own with mode 0700, else a folder
    // of that kind made under the temp folder (or /tmp when the temp folder's
    // name is too long for a socket). Empty when none is safe.
    static QString privateFolder();

    static QString serverPath(const QString& key, const QString& folder);

    // True when this engine should show its own window; false when a running
    // engine of the same user took the request.
    bool claim();

signals:
    void raiseRequested();

private:
    bool forward();
    void serve();

    QString path_;
    QLocalServer server_;
};

} // namespace zamut
