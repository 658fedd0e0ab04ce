#pragma once

#include <string>

// As many links as the system itself follows in one path before it gives up.
inline constexpr int kMaxLinksFollowed = 40;

// The file a path names once the symbolic links of its last component have
// been followed: the path itself when it names no link. The file need not
// exist, so a dangling link yields the file that saving through it creates.
// Throws EInOutError "Too many levels of symbolic links" for a loop.
std::string LinkTarget(const std::string& path);
