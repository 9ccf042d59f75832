#pragma once

#include <string>

// The native form of a file name: every '/' becomes '\' (so a leading "//"
// becomes "\\"). The file layer converts each name this way just before it
// reaches the system, when the edition asks for it.
//
// '/' is never the second byte of a double-byte character in code page 932,
// so a byte-wise replacement cannot damage a Japanese name.
std::string ToNativePath(const std::string& path, bool convertSeparators);

// As above, with the program's choice (LibraryOptions().convertPathSeparators).
std::string ToNativePath(const std::string& path);
