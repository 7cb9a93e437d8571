// SPDX-License-Identifier: MIT
// What screen readers read of the game's painted controls.
#pragma once

#include <windows.h>

#include <string>

namespace zamut::win {

// A control as a screen reader sees it. The system's default object of a
// painted control has no name and no default action, so such a control
// answers with an object of ours that asks it anew on every call.
class AccessibleSource {
public:
    virtual long accessibleRole() const = 0; // ROLE_SYSTEM_*
    virtual std::wstring accessibleName() const = 0;
    // More to read after the name; empty when there is none.
    virtual std::wstring accessibleDescription() const { return {}; }
    // The default action's name; empty when there is none.
    virtual std::wstring defaultActionName() const { return {}; }
    // Runs the default action as the matching click runs it.
    virtual void doDefaultAction() {}

protected:
    ~AccessibleSource() = default;
};

// Answers WM_GETOBJECT: for the client area an object that reads `source`,
// for anything else the system's answer. The accessibility DLLs load from
// the system folder on the first question, so a player without a screen
// reader never loads them.
LRESULT answerGetObject(HWND window, AccessibleSource& source, WPARAM wParam, LPARAM lParam);

// Called as the window goes: objects still held by a screen reader answer
// that they are gone from then on.
void detachAccessible(HWND window);

// Makes a standard push button one that screen readers can press, named by
// its text: the system's object of a button may have no default action (as
// under Wine).
void makeButtonPressable(HWND button);

// Tells screen readers that the window's client object changed
// (EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_STATECHANGE) or has news to read
// out (EVENT_SYSTEM_ALERT).
void announce(HWND window, DWORD event);

} // namespace zamut::win
