#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "core/optimiser/PieceTypes.h"

class ClpSimplex;

// A length bars may be cut from in the relaxation: what one bar of it costs,
// and how many there are when they are limited.
struct LpLine {
    double Cost = 1.0;
    std::optional<std::int64_t> Most;
};

// A pattern of the relaxation cut from one of its lines.
struct LineUse {
    const Pattern* Bar = nullptr;
    std::int32_t Line = 0;
    double Bars = 0.0;
};

// The linear relaxation of the cutting-stock model over a growing set of
// patterns: the least cost of bars, bars of each line cut to a pattern taken
// in any non-negative amount, no more bars of a limited line than it has,
// each type's pieces covered. With one unlimited line of cost 1 it is the
// fewest bars. Solved by COIN-OR CLP, warm from the last basis: by the primal
// simplex after patterns are added, by the dual simplex after the pieces to
// cover or the bars on hand change.
class CuttingStockLp {
  public:
    // The pieces of each type in the whole job; patterns never hold more.
    explicit CuttingStockLp(std::vector<std::int64_t> pieces, std::vector<LpLine> lines = {{}});
    ~CuttingStockLp();
    CuttingStockLp(const CuttingStockLp&) = delete;
    CuttingStockLp& operator=(const CuttingStockLp&) = delete;

    // Adds the pattern on the line, cut down to the pieces there are; false
    // when that leaves nothing or the pattern is already there.
    bool Add(Pattern pattern, std::int32_t line = 0);

    // The pieces still to cover, at most the job's.
    void Cover(const std::vector<std::int64_t>& pieces);
    // The bars still on hand of a line that was limited.
    void Limit(std::int32_t line, std::int64_t bars);

    // Bars may be cut only to the patterns `allowed` accepts, the ones added
    // later included; the others are held at no bars until the next call.
    void Allow(const std::function<bool(const Pattern&, std::int32_t line)>& allowed);
    void Allow(const std::function<bool(const Pattern&)>& allowed);

    // Solves within the wall-clock seconds; false unless proven optimal.
    bool Solve(double seconds);

    // The least cost; with one line of cost 1, the bars.
    double Bars() const;
    // The worth of one piece of each type at the optimum (0 for types
    // without pieces), never below 0.
    std::vector<double> PieceWorths() const;
    // What one more bar of each line on hand would save at the optimum (0
    // for unlimited lines), never below 0.
    std::vector<double> LineWorths() const;
    // Whether pieces are left uncovered by any pattern: only lines that are
    // limited can leave them so, at a cost above any plan's.
    bool Uncovered() const;
    // The patterns in use and how many bars each.
    std::vector<std::pair<const Pattern*, double>> InUse() const;
    std::vector<LineUse> InUseOnLines() const;

  private:
    struct Column {
        Pattern Bar;
        std::int32_t Line = 0;
        bool operator==(const Column&) const = default;
    };
    struct ColumnHash {
        std::size_t operator()(const Column& column) const;
    };

    std::vector<std::int64_t> pieces_;
    std::vector<LpLine> lines_;
    std::vector<int> rowOfType_;  // -1 for types without pieces
    std::vector<int> typeOfRow_;
    std::vector<int> rowOfLine_;  // -1 for unlimited lines
    int firstColumn_ = 0;         // the columns before it cover pieces at a penalty
    std::vector<Column> columns_;
    std::unordered_set<Column, ColumnHash> known_;
    std::unique_ptr<ClpSimplex> model_;
    bool added_ = true;
    bool covered_ = false;
    bool bounded_ = false;
};
