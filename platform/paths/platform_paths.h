#pragma once
// File paths as the platform reads them: '\' and '/' both separate folders, the full form of
// a path holds no "." or ".." and no doubled separator, and names match without regard to
// case where the exact name does not exist.
#include <optional>
#include <string>
#include <string_view>

// The path with every '\' written '/'.
std::string WithForwardSlashes(std::string_view path);

// The path without "." components, without each ".." and the component before it, and
// without doubled or trailing separators. Only the text is read: links are not followed, and
// ".." above the root stays at the root.
std::string LexicallyNormal(std::string_view path);

// The full form of a path: from the working folder when it is relative, made normal. Empty
// when the working folder cannot be had.
std::string FullPath(std::string_view path);

// Whether two names are the same when the letters A to Z and a to z are compared without
// case; every other character compares as it is.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// The path as it exists, for an absolute normal path: each component is the exact name
// where that exists in its folder, else the name there that differs from it only in case,
// the first in byte order where there are several. None when a component has no such name.
std::optional<std::string> ExistingPath(std::string_view absolutePath);
