// Feeds arbitrary bytes to the length notation: every text must convert or
// fail with one of the three floating-point errors, never crash, hang or
// yield an infinity or NaN.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/notation/LengthNotation.h"
#include "core/notation/NumberFormat.h"
#include "core/notation/TextToNumber.h"
#include "model/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const float length = ConvertFeet(text);
        if (!std::isfinite(length)) {
            std::abort();
        }
        // The report formats must take every length a conversion gives.
        if (FormatLength(length, '.').empty() || FormatWhole(length).empty()) {
            std::abort();
        }
    } catch (const EZeroDivide&) {
    } catch (const EInvalidOp&) {
    } catch (const EOverflow&) {
    }
    // Any other exception escapes and libFuzzer reports it as a crash.

    // The number reading takes texts of any length and never gives a NaN.
    if (std::isnan(TextToNumber(text))) {
        std::abort();
    }
    return 0;
}
