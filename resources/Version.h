#pragma once

// The program's version record.
namespace version {
inline constexpr const char* ApplicationName = "Kordelix";
inline constexpr const char* VersionText = "1.00";
inline constexpr const char* Description = "Kordelix+ 1.0";
inline constexpr const char* InternalName = "Kordelix";
} // namespace version
