#include "core/notation/FloatStore.h"

#include <cmath>

#include "model/Exceptions.h"

namespace {
// FLT_MAX plus half of its last place: the smallest magnitude that rounds to
// infinity (the tie goes up, because FLT_MAX has an odd last digit).
constexpr long double kFloatOverflowBound = 0x1.ffffffp127L;
}  // namespace

float StoreAsFloat(long double value) {
    if (std::isnan(value)) {
        throw EInvalidOp();
    }
    if (std::fabs(value) >= kFloatOverflowBound) {
        throw EOverflow();
    }
    // Checked above, so the conversion is always in range.
    volatile float stored = static_cast<float>(value);
    return stored;
}
