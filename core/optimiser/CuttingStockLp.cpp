#include "core/optimiser/CuttingStockLp.h"

#include <ClpSimplex.hpp>

#include <algorithm>

#include "core/optimiser/LpWithinBudget.h"

std::size_t CuttingStockLp::PatternHash::operator()(const Pattern& pattern) const {
    std::size_t hash = pattern.size();
    for (const TypeCount& entry : pattern) {
        hash = hash * 1000003u ^ static_cast<std::size_t>(entry.Type);
        hash = hash * 1000003u ^ static_cast<std::size_t>(entry.Count);
    }
    return hash;
}

CuttingStockLp::CuttingStockLp(std::vector<std::int64_t> pieces)
    : pieces_(std::move(pieces)),
      rowOfType_(pieces_.size(), -1),
      model_(std::make_unique<ClpSimplex>()) {
    model_->setLogLevel(0);
    for (std::size_t t = 0; t < pieces_.size(); ++t) {
        if (pieces_[t] > 0) {
            rowOfType_[t] = static_cast<int>(typeOfRow_.size());
            typeOfRow_.push_back(static_cast<int>(t));
        }
    }
    model_->resize(static_cast<int>(typeOfRow_.size()), 0);
    for (std::size_t row = 0; row < typeOfRow_.size(); ++row) {
        model_->setRowLower(
            static_cast<int>(row),
            static_cast<double>(pieces_[static_cast<std::size_t>(typeOfRow_[row])]));
        model_->setRowUpper(static_cast<int>(row), COIN_DBL_MAX);
    }
}

CuttingStockLp::~CuttingStockLp() = default;

bool CuttingStockLp::Add(Pattern pattern) {
    std::erase_if(pattern, [&](TypeCount& entry) {
        const std::size_t t = static_cast<std::size_t>(entry.Type);
        entry.Count = std::min(entry.Count, t < pieces_.size() ? pieces_[t] : 0);
        return entry.Count <= 0;
    });
    if (pattern.empty() || !known_.insert(pattern).second) {
        return false;
    }
    std::vector<int> rows;
    std::vector<double> counts;
    for (const TypeCount& entry : pattern) {
        rows.push_back(rowOfType_[static_cast<std::size_t>(entry.Type)]);
        counts.push_back(static_cast<double>(entry.Count));
    }
    model_->addColumn(static_cast<int>(rows.size()), rows.data(), counts.data(), 0.0, COIN_DBL_MAX,
                      1.0);
    columns_.push_back(std::move(pattern));
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

void CuttingStockLp::Allow(const std::function<bool(const Pattern&)>& allowed) {
    const double* upper = model_->columnUpper();
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        const double wanted = allowed(columns_[column]) ? COIN_DBL_MAX : 0.0;
        if (upper[column] != wanted) {
            model_->setColumnUpper(static_cast<int>(column), wanted);
            bounded_ = true;
        }
    }
}

bool CuttingStockLp::Solve(const PlanningBudget& budget) {
    const SolvingWithin within(*model_, budget);
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

std::vector<std::pair<const Pattern*, double>> CuttingStockLp::InUse() const {
    std::vector<std::pair<const Pattern*, double>> used;
    const double* bars = model_->primalColumnSolution();
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (bars[column] > 1e-9) {
            used.emplace_back(&columns_[column], bars[column]);
        }
    }
    return used;
}
