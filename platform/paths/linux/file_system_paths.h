#pragma once
// Paths on the file system: the full form of a path from the working folder, and the file
// that a path names when names match as the platform matches them (platform/paths/linux/path_text.h).
#include <optional>
#include <string>
#include <string_view>

// The full form of a path: from the working folder when it is relative, made normal. Empty
// when the working folder cannot be had.
std::string FullPath(std::string_view path);

// The path as it exists, for an absolute normal path: each component is the exact name
// where that exists in its folder, else the name there that differs from it only in case,
// the first in byte order where there are several. None when a component has no such name.
std::optional<std::string> ExistingPath(std::string_view absolutePath);
