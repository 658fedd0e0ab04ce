#pragma once

#include "core/CuttingPlan.h"
#include "core/stock/StockList.h"
#include "io/stock/StockFile.h"

// The stock file once the plan's bars are taken from the rack: each line's On
// Hand lowered by the bars cut from it (a line without On Hand stays so), and
// every leftover the plan keeps as remaining (at or above Scrap Below, and
// above 0) added as an offcut line, like leftovers counted together, costing
// nothing when the stock is costed. `stock` is the list read from `file`,
// and the plan was made from it.
StockFile TakeFromStock(const StockFile& file, const StockList& stock, const CuttingPlan& plan);
