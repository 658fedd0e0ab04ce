#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "core/notation/NumberFormat.h"

// Long plans leave the same few leftovers again and again, so each value is
// formatted once. The memory stays fixed however many different leftovers a
// plan has: a value displaces the one that shared its slot.
class LeftoverTexts {
  public:
    explicit LeftoverTexts(char decimalSeparator) : separator_(decimalSeparator) {}

    const std::string& Of(float leftover) {
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(leftover);
        Slot& slot = slots_[(bits ^ (bits >> 13)) % slots_.size()];
        if (!slot.Filled || slot.Bits != bits) {
            slot.Text = FormatLength(leftover, separator_);
            slot.Bits = bits;
            slot.Filled = true;
        }
        return slot.Text;
    }

  private:
    struct Slot {
        std::uint32_t Bits = 0;
        bool Filled = false;
        std::string Text;
    };
    char separator_;
    std::array<Slot, 1024> slots_;
};
