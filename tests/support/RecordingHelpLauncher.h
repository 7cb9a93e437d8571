// SPDX-License-Identifier: MIT
// A help launcher for tests: records requests instead of starting the engine.

#pragma once

#include "qt/help/HelpLauncher.h"

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

    bool start(const QString& program, const QStringList& arguments) override {
        requests.push_back({program, arguments});
        return succeeds;
    }

    std::vector<Request> requests;
    bool succeeds = true;
};

} // namespace zamut
