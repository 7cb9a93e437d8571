// SPDX-License-Identifier: MIT
// Keeps a top-level window out of the taskbar on X11.
#pragma once

#include <QWindow>

namespace zamut {

// X11 has no window style for "not in the taskbar" short of a tool window,
// which would end the program with the main window; the EWMH state does it.
// A window manager drops _NET_WM_STATE when a window is withdrawn, so call
// this again before every map. Elsewhere it does nothing.
void skipTaskbar(WId window);

} // namespace zamut
