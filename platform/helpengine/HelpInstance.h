#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace zamut {

// One help window per user and file. The first engine for a file serves a
// local socket named after the user and the file; a later engine for the same
// file asks it to come to the front and ends.
class HelpInstance final : public QObject {
    Q_OBJECT
public:
    // `key` identifies the file, e.g. its canonical path.
    explicit HelpInstance(const QString& key, QObject* parent = nullptr);

    static QString ServerName(const QString& key);

    // True when this engine should show its own window; false when a running
    // engine took the request.
    bool Claim();

signals:
    void RaiseRequested();

private:
    bool Forward();
    void Serve();

    QString name_;
    QLocalServer server_;
};

} // namespace zamut
