#pragma once

#include "platform/HelpLauncher.h"

#include <vector>

namespace zamut {

// Records each help request instead of starting the engine; `succeeds` false
// plays an engine that cannot be started.
class RecordingHelpLauncher final : public HelpLauncher {
public:
    struct Request {
        QString program;
        QStringList arguments;
    };

    explicit RecordingHelpLauncher(bool succeeds = true) : succeeds_(succeeds) {}

    bool Start(const QString& program, const QStringList& arguments) override {
        requests.push_back({program, arguments});
        return succeeds_;
    }

    std::vector<Request> requests;

private:
    bool succeeds_;
};

} // namespace zamut
