// SPDX-License-Identifier: MIT
// The event wiring: which window event runs which operation, each run guarded.

#pragma once

#include <QString>

#include <functional>

namespace zamut {

class Form1;

// Called when a wired operation fails; it must end the application.
using FatalErrorHandler = std::function<void(const QString& what)>;

// Binds every event the board answers to its operation, and nothing else.
// An exception never crosses Qt's event dispatch: it goes to onFatalError.
void wireForm1(Form1& form, const FatalErrorHandler& onFatalError);

// The standard critical message in Japanese, then the application ends with
// a non-zero status.
void reportFatalErrorAndExit(const QString& what);

} // namespace zamut
