#include "core/plan/CheckedFloat.h"

#include <cmath>

#include "model/Exceptions.h"

float CheckedFloat(float value) {
    if (std::isinf(value)) {
        throw EOverflow();
    }
    if (std::isnan(value)) {
        throw EInvalidOp();
    }
    return value;
}
