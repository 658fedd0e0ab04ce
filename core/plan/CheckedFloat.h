#pragma once

// Every step of the nesting's length arithmetic is rounded to 32 bits and
// stored before the next comparison. A result beyond the 32-bit range is the
// platform's overflow (EOverflow), one that is no number at all its invalid
// operation (EInvalidOp); either ends the Calculate.
float CheckedFloat(float value);

inline float StoredDifference(float minuend, float subtrahend) {
    return CheckedFloat(minuend - subtrahend);
}

inline float StoredSum(float augend, float addend) {
    return CheckedFloat(augend + addend);
}
