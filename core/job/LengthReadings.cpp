#include "core/job/LengthReadings.h"

#include "core/notation/LengthNotation.h"

float LengthReadings::Of(const std::string& text) {
    const auto known = lengths_.find(text);
    if (known != lengths_.end()) {
        return known->second;
    }
    const float length = ConvertFeet(text);
    lengths_.emplace(text, length);
    return length;
}
