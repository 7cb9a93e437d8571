// SPDX-License-Identifier: MIT
// Finding and checking a help file: the rules every help engine of the game keeps.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace zamut::helpfile {

// Twenty times the real help text, and low enough that any file within both
// caps is on screen well within a second (bench/help_bench: under 0.1 s of
// CPU time on two cores for the costliest kinds of Markdown; bench/help_wine.sh:
// under 0.7 s from the request, the Windows engine's start under Wine included).
inline constexpr std::size_t MaxBytes = 64 * 1024;
inline constexpr std::size_t MaxLines = 1000;

// Where a help file named without a folder is looked for, in this order: the
// engine's own folder, the data folder installed next to the engine's folder
// (../share/<application id>), then the current directory. The game's own
// help comes first: a help.hlp that happens to lie in the folder the game
// was started from never replaces it. Each folder once.
std::vector<std::filesystem::path> searchDirs(const std::filesystem::path& engineDir);

// The first regular file (symbolic links followed) called `name` in `dirs`;
// folders, pipes and devices of that name are passed over. A name with a
// folder is taken as given, relative to the current directory. Empty when
// there is none.
std::filesystem::path find(const std::filesystem::path& name,
                           const std::vector<std::filesystem::path>& dirs);

// What a help window shows: the file's Markdown, or a message naming the file
// when it is missing or not a help file.
struct Content {
    bool ok = false;
    std::filesystem::path path; // the file found, or the name as given when none was
    std::string text;           // UTF-8: Markdown when ok, else the message as plain text
};

Content open(const std::filesystem::path& name, const std::vector<std::filesystem::path>& dirs);

// Reads and checks one help file: a regular file of UTF-8 text, not empty,
// within the caps. The byte-order mark, if any, is dropped.
Content load(const std::filesystem::path& path);

} // namespace zamut::helpfile
