// The host's messages for answers a prompt refuses, shared by the prompts and
// the drag class. Each is printed on a line of its own before the prompt is
// shown again.
#pragma once

namespace zek::messages {

inline constexpr const char* kInvalidPoint = "Invalid point.";
inline constexpr const char* kPointOrKeyword = "Point or option keyword required.";
inline constexpr const char* kNeedsDistance = "Requires numeric distance or two points.";
inline constexpr const char* kNeedsAngle = "Requires numeric angle or second point.";
inline constexpr const char* kNeedsNumber = "Requires numeric value.";
inline constexpr const char* kNeedsInteger = "Requires an integer value.";
inline constexpr const char* kIntegerRange = "Requires an integer between -32768 and 32767.";
inline constexpr const char* kInvalidKeyword = "Invalid option keyword.";
inline constexpr const char* kPositiveNonzero = "Value must be positive and nonzero.";
inline constexpr const char* kNonzero = "Value must be nonzero.";
inline constexpr const char* kPositive = "Value must be positive.";

// The prompt for the second point of a distance or angle given by two points.
inline constexpr const char* kSecondPoint = "Specify second point: ";

}  // namespace zek::messages
