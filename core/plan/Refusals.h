#pragma once

#include <optional>
#include <string>

// How every stage of Calculate says that it refuses a job: the text of the
// message box, or nothing when the job goes on.
using Refusal = std::optional<std::string>;

// The texts with which Calculate refuses a job.
inline constexpr const char* kBarShorterThanPiece = "Bar Length less than Cut length";
inline constexpr const char* kNothingToCut = "Qty Length and Bar Length all required";
inline constexpr const char* kMissingItemNumber =
    "No Item Number: Check Auto Item or enter numbers";
inline constexpr const char* kQuantityTooLarge = "Qty too large to count";
inline constexpr const char* kQuantityTooPrecise = "Qty too precise to count";
