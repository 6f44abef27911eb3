#pragma once
// Paths as text, as the platform reads them, with no call on the file system: '\' and '/'
// both separate folders, the full form of a path holds no "." or ".." and no doubled
// separator, and file names match without regard to the case of A to Z.
#include <string>
#include <string_view>
#include <vector>

// The path with every '\' written '/'.
std::string WithForwardSlashes(std::string_view path);

// The non-empty components of a path whose folders are separated by '/'.
std::vector<std::string_view> PathComponents(std::string_view path);

// The folder and the name joined by one '/'.
std::string JoinedPath(std::string_view folder, std::string_view name);

// The text after the last '/': the whole path when it holds none.
std::string_view FileNameOf(std::string_view path);

// The text up to and including the last '/': empty when the path holds none.
std::string_view FolderOf(std::string_view path);

// The path without "." components, without each ".." and the component before it, and
// without doubled or trailing separators. Only the text is read: links are not followed, and
// ".." above the root stays at the root.
std::string LexicallyNormal(std::string_view path);

// Whether two file names are the same when the letters A to Z and a to z are compared
// without case; every other byte compares as it is.
//
// The platform's file system folds the UTF-16 form of a name by its uppercase table, as
// compound files fold stream names (platform/com/linux/simple_uppercase.h). File names here are
// not UTF-16 but bytes in whatever encoding the files were named in (mostly UTF-8), which a
// narrow name passes on unchanged; folding those bytes by the table through a single-byte
// code page would fold the bytes of multi-byte characters into other characters, and match
// a name to a file it does not name. So only A to Z, which every such encoding shares, fold.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
