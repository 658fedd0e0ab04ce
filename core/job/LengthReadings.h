#pragma once

#include <string>
#include <unordered_map>

// The decimal lengths of the Length texts of one Calculate. The preparation
// needs a row's length before the rows are sorted and again after; each
// distinct text is converted once, so every conversion a Length text can
// fail with happens at its first reading, where the grid shows how far the
// preparation got.
class LengthReadings {
  public:
    // ConvertFeet of the text; a text that fails throws as ConvertFeet does
    // and is not kept.
    float Of(const std::string& text);

  private:
    std::unordered_map<std::string, float> lengths_;
};
