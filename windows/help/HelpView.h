// SPDX-License-Identifier: MIT
// The help window: a help file shown as formatted, inert text.
#pragma once

#include "helpfile/HelpFile.h"
#include "windows/widgets/Window.h"

#include <cstddef>

namespace zamut::win {

// A read-only rich edit in a window of its own. The file's Markdown is shown
// formatted (headings, bold, lists, tables as columns), never as the marks;
// a failure's message as plain text. Every character of the file goes in
// escaped, so nothing in it is ever read as rich text.
class HelpView final : public Window {
public:
    // Made hidden, marked with the file's key before the text goes in, so
    // that another engine asked for the same file finds it at once.
    HelpView(const helpfile::Content& content, std::size_t fileKey);

    // The open window of a file, in any help engine of this user's session.
    static HWND find(std::size_t fileKey);

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND view_ = nullptr;
};

} // namespace zamut::win
