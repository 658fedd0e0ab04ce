#include "core/optimiser/CuttingStockLp.h"

#include <ClpSimplex.hpp>

#include <algorithm>

namespace {

// A piece covered by no bar costs this many times the dearest bar: far more
// than any plan pays, so that the relaxation stays feasible while the
// patterns it has cannot cover every piece from the bars on hand.
constexpr double kUncoveredPenalty = 1000.0;

}  // namespace

std::size_t CuttingStockLp::ColumnHash::operator()(const Column& column) const {
    std::size_t hash = column.Bar.size() ^ (static_cast<std::size_t>(column.Line) << 20);
    for (const TypeCount& entry : column.Bar) {
        hash = hash * 1000003u ^ static_cast<std::size_t>(entry.Type);
        hash = hash * 1000003u ^ static_cast<std::size_t>(entry.Count);
    }
    return hash;
}

CuttingStockLp::CuttingStockLp(std::vector<std::int64_t> pieces, std::vector<LpLine> lines)
    : pieces_(std::move(pieces)),
      lines_(std::move(lines)),
      rowOfType_(pieces_.size(), -1),
      model_(std::make_unique<ClpSimplex>()) {
    model_->setLogLevel(0);
    for (std::size_t t = 0; t < pieces_.size(); ++t) {
        if (pieces_[t] > 0) {
            rowOfType_[t] = static_cast<int>(typeOfRow_.size());
            typeOfRow_.push_back(static_cast<int>(t));
        }
    }
    int rows = static_cast<int>(typeOfRow_.size());
    double dearest = 1.0;
    for (const LpLine& line : lines_) {
        rowOfLine_.push_back(line.Most ? rows++ : -1);
        dearest = std::max(dearest, line.Cost);
    }
    model_->resize(rows, 0);
    for (std::size_t row = 0; row < typeOfRow_.size(); ++row) {
        model_->setRowLower(
            static_cast<int>(row),
            static_cast<double>(pieces_[static_cast<std::size_t>(typeOfRow_[row])]));
        model_->setRowUpper(static_cast<int>(row), COIN_DBL_MAX);
    }
    bool limited = false;
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        if (rowOfLine_[line] >= 0) {
            model_->setRowLower(rowOfLine_[line], -COIN_DBL_MAX);
            model_->setRowUpper(rowOfLine_[line], static_cast<double>(*lines_[line].Most));
            limited = true;
        }
    }
    if (limited) {
        for (int row = 0; row < static_cast<int>(typeOfRow_.size()); ++row) {
            const double one = 1.0;
            model_->addColumn(1, &row, &one, 0.0, COIN_DBL_MAX, kUncoveredPenalty * dearest);
        }
        firstColumn_ = static_cast<int>(typeOfRow_.size());
    }
}

CuttingStockLp::~CuttingStockLp() = default;

bool CuttingStockLp::Add(Pattern pattern, std::int32_t line) {
    std::erase_if(pattern, [&](TypeCount& entry) {
        const std::size_t t = static_cast<std::size_t>(entry.Type);
        entry.Count = std::min(entry.Count, t < pieces_.size() ? pieces_[t] : 0);
        return entry.Count <= 0;
    });
    Column column{std::move(pattern), line};
    if (column.Bar.empty() || !known_.insert(column).second) {
        return false;
    }
    std::vector<int> rows;
    std::vector<double> counts;
    for (const TypeCount& entry : column.Bar) {
        rows.push_back(rowOfType_[static_cast<std::size_t>(entry.Type)]);
        counts.push_back(static_cast<double>(entry.Count));
    }
    const auto onLine = static_cast<std::size_t>(line);
    if (rowOfLine_[onLine] >= 0) {
        rows.push_back(rowOfLine_[onLine]);
        counts.push_back(1.0);
    }
    model_->addColumn(static_cast<int>(rows.size()), rows.data(), counts.data(), 0.0, COIN_DBL_MAX,
                      lines_[onLine].Cost);
    columns_.push_back(std::move(column));
    added_ = true;
    return true;
}

void CuttingStockLp::Cover(const std::vector<std::int64_t>& pieces) {
    for (std::size_t row = 0; row < typeOfRow_.size(); ++row) {
        const auto type = static_cast<std::size_t>(typeOfRow_[row]);
        model_->setRowLower(static_cast<int>(row), static_cast<double>(pieces[type]));
    }
    covered_ = true;
}

void CuttingStockLp::Limit(std::int32_t line, std::int64_t bars) {
    const int row = rowOfLine_[static_cast<std::size_t>(line)];
    if (row >= 0) {
        model_->setRowUpper(row, static_cast<double>(bars));
        covered_ = true;
    }
}

void CuttingStockLp::Allow(const std::function<bool(const Pattern&, std::int32_t)>& allowed) {
    const double* upper = model_->columnUpper();
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        const int index = firstColumn_ + static_cast<int>(column);
        const double wanted =
            allowed(columns_[column].Bar, columns_[column].Line) ? COIN_DBL_MAX : 0.0;
        if (upper[index] != wanted) {
            model_->setColumnUpper(index, wanted);
            bounded_ = true;
        }
    }
}

void CuttingStockLp::Allow(const std::function<bool(const Pattern&)>& allowed) {
    Allow([&](const Pattern& bar, std::int32_t) { return allowed(bar); });
}

bool CuttingStockLp::Solve(double seconds) {
    model_->setMaximumWallSeconds(std::max(seconds, 0.001));
    // The model keeps its basis between solves, so each one starts warm. New
    // right-hand sides leave the basis dual feasible; new columns leave it
    // primal feasible; closed patterns leave it dual feasible, and the primal
    // simplex mends what patterns opened again spoil.
    if (covered_ || bounded_) {
        model_->dual();
        covered_ = false;
        bounded_ = false;
    }
    if (added_ || !model_->isProvenOptimal()) {
        model_->primal();
        added_ = false;
    }
    return model_->isProvenOptimal();
}

double CuttingStockLp::Bars() const {
    return model_->objectiveValue();
}

std::vector<double> CuttingStockLp::PieceWorths() const {
    std::vector<double> worths(pieces_.size(), 0.0);
    const double* duals = model_->dualRowSolution();
    for (std::size_t row = 0; row < typeOfRow_.size(); ++row) {
        worths[static_cast<std::size_t>(typeOfRow_[row])] = std::max(duals[row], 0.0);
    }
    return worths;
}

std::vector<double> CuttingStockLp::LineWorths() const {
    std::vector<double> worths(lines_.size(), 0.0);
    const double* duals = model_->dualRowSolution();
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        if (rowOfLine_[line] >= 0) {
            worths[line] = std::max(-duals[rowOfLine_[line]], 0.0);
        }
    }
    return worths;
}

bool CuttingStockLp::Uncovered() const {
    const double* bars = model_->primalColumnSolution();
    return std::any_of(bars, bars + firstColumn_, [](double amount) { return amount > 1e-9; });
}

std::vector<std::pair<const Pattern*, double>> CuttingStockLp::InUse() const {
    std::vector<std::pair<const Pattern*, double>> used;
    for (const LineUse& use : InUseOnLines()) {
        used.emplace_back(use.Bar, use.Bars);
    }
    return used;
}

std::vector<LineUse> CuttingStockLp::InUseOnLines() const {
    std::vector<LineUse> used;
    const double* bars = model_->primalColumnSolution() + firstColumn_;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (bars[column] > 1e-9) {
            used.push_back({&columns_[column].Bar, columns_[column].Line, bars[column]});
        }
    }
    return used;
}
