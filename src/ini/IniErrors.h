// The store's failure codes.
#pragma once

namespace ini {

inline constexpr int kErrNoMemory = -12;
inline constexpr int kErrMissingArgument = -65;
inline constexpr int kErrPathUnusable = -91;
inline constexpr int kErrInputOutput = -93;
inline constexpr int kErrRenameFailed = -94;
inline constexpr int kErrAccessDenied = -95;
inline constexpr int kErrDiskFull = -97;
inline constexpr int kErrRenameOther = -100;
inline constexpr int kErrCannotOpen = -5001;
inline constexpr int kErrReadFailed = -5002;
inline constexpr int kErrNoTempName = -5003;
inline constexpr int kErrTempNotCreated = -5004;
inline constexpr int kErrNotAnInteger = -5021;
inline constexpr int kErrNotADouble = -5023;

}  // namespace ini
