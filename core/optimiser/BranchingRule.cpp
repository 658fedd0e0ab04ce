#include "core/optimiser/BranchingRule.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace {

std::int32_t Root(std::vector<std::int32_t>& parent, std::int32_t piece) {
    while (parent[static_cast<std::size_t>(piece)] != piece) {
        auto& up = parent[static_cast<std::size_t>(piece)];
        up = parent[static_cast<std::size_t>(up)];
        piece = up;
    }
    return piece;
}

bool Holds(const Pattern& pieces, std::int32_t piece) {
    return std::binary_search(
        pieces.begin(), pieces.end(), TypeCount{piece, 1},
        [](const TypeCount& a, const TypeCount& b) { return a.Type < b.Type; });
}

// Sums within this of a whole number count as whole.
constexpr double kWhole = 1e-6;

}  // namespace

PieceGroups GroupPieces(std::size_t pieces, const BranchConstraints& constraints) {
    std::vector<std::int32_t> parent(pieces);
    std::iota(parent.begin(), parent.end(), 0);
    for (const auto& [a, b] : constraints.Together) {
        const std::int32_t ra = Root(parent, a);
        const std::int32_t rb = Root(parent, b);
        parent[static_cast<std::size_t>(std::max(ra, rb))] = std::min(ra, rb);
    }
    PieceGroups groups;
    groups.GroupOf.assign(pieces, -1);
    std::vector<std::int32_t> groupOfRoot(pieces, -1);
    for (std::size_t piece = 0; piece < pieces; ++piece) {
        const auto root = static_cast<std::size_t>(Root(parent, static_cast<std::int32_t>(piece)));
        if (groupOfRoot[root] < 0) {
            groupOfRoot[root] = static_cast<std::int32_t>(groups.Members.size());
            groups.Members.emplace_back();
        }
        groups.GroupOf[piece] = groupOfRoot[root];
        groups.Members[static_cast<std::size_t>(groupOfRoot[root])].push_back(
            static_cast<std::int32_t>(piece));
    }
    groups.Conflicts.resize(groups.Members.size());
    for (const auto& [a, b] : constraints.Apart) {
        const std::int32_t ga = groups.GroupOf[static_cast<std::size_t>(a)];
        const std::int32_t gb = groups.GroupOf[static_cast<std::size_t>(b)];
        if (ga == gb) {
            groups.Feasible = false;
            return groups;
        }
        groups.Conflicts[static_cast<std::size_t>(ga)].push_back(gb);
        groups.Conflicts[static_cast<std::size_t>(gb)].push_back(ga);
    }
    return groups;
}

bool Allows(const BranchConstraints& constraints, const Pattern& pieces) {
    for (const auto& [a, b] : constraints.Together) {
        if (Holds(pieces, a) != Holds(pieces, b)) {
            return false;
        }
    }
    for (const auto& [a, b] : constraints.Apart) {
        if (Holds(pieces, a) && Holds(pieces, b)) {
            return false;
        }
    }
    return true;
}

bool AllowsOn(const BranchConstraints& constraints, const Pattern& pieces, std::int32_t line) {
    for (const auto& [piece, on] : constraints.OnLine) {
        if (on != line && Holds(pieces, piece)) {
            return false;
        }
    }
    for (const auto& [piece, off] : constraints.OffLine) {
        if (off == line && Holds(pieces, piece)) {
            return false;
        }
    }
    return Allows(constraints, pieces);
}

std::vector<char> LinesOpenTo(const PieceGroups& groups, const BranchConstraints& constraints,
                              std::size_t lines) {
    std::vector<char> open(groups.Members.size() * lines, 1);
    for (const auto& [piece, on] : constraints.OnLine) {
        const auto group =
            static_cast<std::size_t>(groups.GroupOf[static_cast<std::size_t>(piece)]);
        for (std::size_t line = 0; line < lines; ++line) {
            if (static_cast<std::int32_t>(line) != on) {
                open[group * lines + line] = 0;
            }
        }
    }
    for (const auto& [piece, off] : constraints.OffLine) {
        const auto group =
            static_cast<std::size_t>(groups.GroupOf[static_cast<std::size_t>(piece)]);
        open[group * lines + static_cast<std::size_t>(off)] = 0;
    }
    return open;
}

std::optional<PieceOnLine> ChooseLine(const std::vector<LineUse>& inUse,
                                      const PieceGroups& groups) {
    std::map<PieceOnLine, double> sums;
    for (const LineUse& use : inUse) {
        std::vector<std::int32_t> in;
        for (const TypeCount& entry : *use.Bar) {
            in.push_back(groups.GroupOf[static_cast<std::size_t>(entry.Type)]);
        }
        std::sort(in.begin(), in.end());
        in.erase(std::unique(in.begin(), in.end()), in.end());
        for (const std::int32_t group : in) {
            sums[{group, use.Line}] += use.Bars;
        }
    }
    std::optional<PieceOnLine> chosen;
    double furthest = kWhole;
    for (const auto& [groupOnLine, sum] : sums) {
        const double off = std::abs(sum - std::round(sum));
        if (off > furthest) {
            furthest = off;
            chosen = groupOnLine;
        }
    }
    if (!chosen) {
        return std::nullopt;
    }
    return PieceOnLine{groups.Members[static_cast<std::size_t>(chosen->first)].front(),
                       chosen->second};
}

std::optional<PiecePair> ChoosePair(const std::vector<std::pair<const Pattern*, double>>& inUse,
                                    const PieceGroups& groups) {
    auto groupsIn = [&](const Pattern& pieces) {
        std::vector<std::int32_t> in;
        for (const TypeCount& entry : pieces) {
            in.push_back(groups.GroupOf[static_cast<std::size_t>(entry.Type)]);
        }
        std::sort(in.begin(), in.end());
        in.erase(std::unique(in.begin(), in.end()), in.end());
        return in;
    };
    // Only pairs in a pattern used in part can have a sum in part.
    std::map<PiecePair, double> sums;
    for (const auto& [pattern, bars] : inUse) {
        if (std::abs(bars - std::round(bars)) <= kWhole) {
            continue;
        }
        const std::vector<std::int32_t> in = groupsIn(*pattern);
        for (std::size_t i = 0; i < in.size(); ++i) {
            for (std::size_t j = i + 1; j < in.size(); ++j) {
                sums.emplace(PiecePair{in[i], in[j]}, 0.0);
            }
        }
    }
    for (const auto& [pattern, bars] : inUse) {
        const std::vector<std::int32_t> in = groupsIn(*pattern);
        for (std::size_t i = 0; i < in.size(); ++i) {
            for (std::size_t j = i + 1; j < in.size(); ++j) {
                if (const auto sum = sums.find({in[i], in[j]}); sum != sums.end()) {
                    sum->second += bars;
                }
            }
        }
    }
    std::optional<PiecePair> chosen;
    double furthest = kWhole;
    for (const auto& [pair, sum] : sums) {
        const double off = std::abs(sum - std::round(sum));
        if (off > furthest) {
            furthest = off;
            chosen = pair;
        }
    }
    if (!chosen) {
        return std::nullopt;
    }
    return PiecePair{groups.Members[static_cast<std::size_t>(chosen->first)].front(),
                     groups.Members[static_cast<std::size_t>(chosen->second)].front()};
}
