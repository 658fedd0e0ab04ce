#pragma once

// Length arithmetic keeps every intermediate value as a 32-bit float. Storing
// a wider value into one must fail loudly instead of producing an infinity
// that would travel on into the report.

// Rounds an extended value to a 32-bit float (to nearest). Throws EOverflow
// when the rounded value lies beyond the float range (infinities included) and
// EInvalidOp for a NaN.
float StoreAsFloat(long double value);
