// Path text as the open-file dialog handles it: absolute, lexically normalised ("." and ".." taken
// out, repeated '/' merged), and a folder kept ending in '/'.
#pragma once

#include <string>

namespace win {

// `typed` taken relative to `baseFolder` (absolute, ending in '/') unless it is absolute itself; a
// leading "~" stands for the home folder. The result ends in '/' when `typed` names a folder by its
// form ("dir/", ".", "..", "dir/..").
std::string ResolveTypedPath(const std::string& baseFolder, const std::string& typed);

// "/a/b/" and "/a/b" give "/a/"; the root is its own parent.
std::string ParentFolder(const std::string& path);
// "/a/b.avi" gives "b.avi", "/a/b/" gives "b", the root gives "".
std::string LastComponent(const std::string& path);
std::string AsFolder(const std::string& path);
bool EndsWithSlash(const std::string& path);

// Following symbolic links, as opening the path would.
bool IsExistingFolder(const std::string& path);
bool PathExists(const std::string& path);

}  // namespace win
