#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "core/NumberFormat.h"

// Long plans leave the same few leftovers again and again, so each value is
// formatted once. The memory stays fixed however many different leftovers a
// plan has: a value displaces the one that shared its slot.
class LeftoverTexts {
  public:
    explicit LeftoverTexts(char decimalSeparator) : separator_(decimalSeparator) {}

    const std::string& Of(float leftover) {
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(leftover);
        Slot& slot = slots_[(bits ^ (bits >> 13)) % slots_.size()];
        if (!slot.filled || slot.bits != bits) {
            slot.text = FormatLength(leftover, separator_);
            slot.bits = bits;
            slot.filled = true;
        }
        return slot.text;
    }

  private:
    struct Slot {
        std::uint32_t bits = 0;
        bool filled = false;
        std::string text;
    };
    char separator_;
    std::array<Slot, 1024> slots_;
};
