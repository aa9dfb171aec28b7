#pragma once
// Path helpers of the POSIX build: '/' is the delimiter and "/" plays the drive root.

#include <string>
#include <string_view>

namespace fscope {

inline constexpr char PathDelim = '/';

// Makes `path` absolute (against the current folder) and removes ".", ".." and doubled '/'
// lexically; links are not resolved. The result has no trailing '/' except for "/" itself.
std::string NormalisePath(std::string_view path);

// `path` with exactly one '/' at its end.
std::string WithTrailingDelim(std::string_view path);

// The stand-in for the DOS name: the full path when something exists there, else "".
std::string ShortPathName(const std::string& path);

// The last component of a path ("" for "/").
std::string_view BaseName(std::string_view path);

}  // namespace fscope
