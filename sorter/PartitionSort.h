#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>

#include "sorter/KeyTable.h"

// The order of equal keys after a sort is part of the component's observable
// behaviour (callers sort twice and rely on it), so the algorithms below are
// fixed step for step; a library sort would give other orders.
//
// readKey turns a key text into the value the comparison works on; it is called
// afresh for every comparison, so a key that cannot be read fails exactly when
// the sort first meets it.

// Repeated passes exchanging neighbours that stand the wrong way round, until a
// pass changes nothing. Keeps equal keys in their order.
template <typename ReadKey>
void ExchangeSort(KeyTable& table, std::int32_t lo, std::int32_t hi, const ReadKey& readKey) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (std::int32_t k = lo; k < hi; ++k) {
            if (readKey(table[k + 1].Key) < readKey(table[k].Key)) {
                std::swap(table[k], table[k + 1]);
                exchanged = true;
            }
        }
    }
}

// Partition sort around the value of the middle entry, with strict scans from
// both ends. With exchangeBelowSix set, ranges of at most five entries are
// finished by the exchange sort instead.
template <typename ReadKey>
void PartitionSort(KeyTable& table, std::int32_t lo, std::int32_t hi, const ReadKey& readKey,
                   bool exchangeBelowSix) {
    using Value = std::decay_t<decltype(readKey(table[lo].Key))>;
    // The two sub-ranges of a partition are disjoint and each is sorted by
    // itself, so the order in which they are done does not change the result.
    // Recursing into the smaller one and looping on the larger one bounds the
    // stack depth by log2 of the range, whatever the keys.
    while (true) {
        if (exchangeBelowSix && hi - lo < 5) {
            ExchangeSort(table, lo, hi, readKey);
            return;
        }
        if (lo >= hi) {
            return;
        }
        const Value pivot = readKey(table[lo + (hi - lo) / 2].Key);
        std::int32_t i = lo;
        std::int32_t j = hi;
        do {
            // The bounds only guard against a comparison that is not a strict
            // weak order; for the key types in use the scans stop by themselves.
            while (i <= hi && readKey(table[i].Key) < pivot) {
                ++i;
            }
            while (j >= lo && pivot < readKey(table[j].Key)) {
                --j;
            }
            if (i <= j) {
                if (i != j) {
                    std::swap(table[i], table[j]);
                }
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - lo < hi - i) {
            PartitionSort(table, lo, j, readKey, exchangeBelowSix);
            lo = i;
        } else {
            PartitionSort(table, i, hi, readKey, exchangeBelowSix);
            hi = j;
        }
    }
}
