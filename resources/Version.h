#pragma once

// The program's version record. Its description and product text, "Kordelix+
// 1.0", is the CMake project's description and the desktop entry's comment.
namespace version {
inline constexpr const char* ApplicationName = "Kordelix";
inline constexpr const char* VersionText = "1.00";
} // namespace version
