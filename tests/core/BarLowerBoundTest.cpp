#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "core/optimiser/BarLowerBound.h"

namespace {

// The fewest bars by trying every assignment, pieces longest first, each bar
// taking its pieces by the 32-bit test.
std::int64_t FewestBarsOfAnyPlan(const PieceTypes& types) {
    std::vector<float> pieces;
    for (const PieceType& type : types.Types) {
        pieces.insert(pieces.end(), static_cast<std::size_t>(type.Pieces), type.Length);
    }
    std::size_t best = pieces.size();
    std::vector<float> left;
    std::function<void(std::size_t)> place = [&](std::size_t next) {
        if (left.size() >= best) {
            return;
        }
        if (next == pieces.size()) {
            best = left.size();
            return;
        }
        // By index: the bars opened further down move the vector.
        for (std::size_t bar = 0; bar < left.size(); ++bar) {
            if (left[bar] >= pieces[next]) {
                const float before = left[bar];
                left[bar] = before - pieces[next];
                place(next + 1);
                left[bar] = before;
            }
        }
        left.push_back(types.BarLength - pieces[next]);
        place(next + 1);
        left.pop_back();
    };
    place(0);
    return static_cast<std::int64_t>(best);
}

// Pieces of about a k-th of the bar, as long as the 32-bit test lets k of
// them into a bar; beside them a few pieces of a random length. Worths near 1/k
// put the relaxation within a rounding of a whole number of bars.
class NearWholeBounds : public testing::TestWithParam<unsigned> {};

TEST_P(NearWholeBounds, NeverAboveTheFewestBarsOfAnyPlan) {
    std::mt19937 random(GetParam());
    PieceTypes types;
    types.BarLength = std::uniform_real_distribution<float>(1.0f, 5000.0f)(random);
    const int k = std::uniform_int_distribution<int>(2, 5)(random);
    // The longest length of which the 32-bit test lets k pieces into a bar:
    // often k of them add up to a hair more than the bar.
    auto kFit = [&](float length) {
        float left = types.BarLength;
        for (int piece = 0; piece < k; ++piece) {
            if (!(left >= length)) {
                return false;
            }
            left = left - length;
        }
        return true;
    };
    float near = std::nextafter(std::nextafter(types.BarLength / k, 0.0f), 0.0f);
    for (int step = 0; step < 8 && kFit(std::nextafter(near, types.BarLength)); ++step) {
        near = std::nextafter(near, types.BarLength);
    }
    const float other =
        std::uniform_real_distribution<float>(0.05f, 0.6f)(random) * types.BarLength;
    const std::int64_t nearPieces =
        std::uniform_int_distribution<std::int64_t>(k, 2 * k + 1)(random);
    const std::int64_t otherPieces = std::uniform_int_distribution<std::int64_t>(0, 2)(random);
    types.Types.push_back({std::max(near, other), near > other ? nearPieces : otherPieces, {}});
    types.Types.push_back({std::min(near, other), near > other ? otherPieces : nearPieces, {}});
    const std::vector<std::int64_t> pieces{types.Types[0].Pieces, types.Types[1].Pieces};
    const std::int64_t optimum = FewestBarsOfAnyPlan(types);

    const double share = 1.0 / k;
    const double nearIsFirst = near > other ? 1.0 : 0.0;
    for (const double scale : {1.0, 1.0 + 1e-12, 1.0 - 1e-12, 1.0 + 1e-15}) {
        for (const double otherWorth : {0.0, static_cast<double>(other) / types.BarLength, share}) {
            const std::vector<double> worths{
                nearIsFirst * share * scale + (1.0 - nearIsFirst) * otherWorth,
                (1.0 - nearIsFirst) * share * scale + nearIsFirst * otherWorth};
            EXPECT_LE(WorthBound(types, pieces, worths, OptimiserSettings{}), optimum)
                << "k " << k << " scale " << scale;
        }
    }
    EXPECT_LE(LengthBound(types, pieces), optimum);
}

INSTANTIATE_TEST_SUITE_P(Seeds, NearWholeBounds, testing::Range(1u, 301u));

}  // namespace
