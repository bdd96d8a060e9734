// Replacing a file whole, for the settings and for the data generator alike.
#pragma once

#include <string>
#include <string_view>

// Writes the bytes to a temporary file beside the target, flushes them to disk and renames that over the
// target, so the target is either the old file or the new one, never a truncated mix. On failure the
// temporary file is gone, `error` says why and the target is as it was. A target that is a symbolic link
// stays one: the file it leads to is replaced, through a temporary file in that file's own folder. A link
// that leads nowhere is an error, and nothing is written.
bool replaceFile(const std::string& target, std::string_view bytes, std::string& error);
