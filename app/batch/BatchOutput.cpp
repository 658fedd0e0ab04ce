#include "app/batch/BatchOutput.h"

#include <cstdio>

#include "app/batch/JsonText.h"
#include "app/batch/PlanJson.h"
#include "model/GridLayout.h"

void BeginReportJson(std::ostream& out) {
    out << "{\n\"report\": [";
}

void EndReportJson(std::ostream& out, const JobModels& models, const BatchOutcome& outcome) {
    out << "\n],\n\"cutList\": [";
    const char* separator = "\n  ";
    for (int row = kFirstDataRow; row < models.CutList.RowCount(); ++row) {
        out << separator << '[';
        for (int column = 0; column < models.CutList.ColCount(); ++column) {
            out << (column == 0 ? "" : ", ") << JsonString(models.CutList.Cells(column, row));
        }
        out << ']';
        separator = ",\n  ";
    }
    out << "\n],\n\"usedRows\": "
        << JsonString(models.BarSettings.Cells(kValueColumn, kUsedRowsRow))
        << ",\n\"lastErr\": " << JsonString(models.BarSettings.Cells(kValueColumn, kLastErrRow))
        << ",\n\"barCount\": " << JsonString(models.BarCount)
        << ",\n\"method\": " << JsonString(outcome.Method) << ",\n\"lowerBound\": "
        << (outcome.LowerBound ? std::to_string(*outcome.LowerBound) : "null")
        << ",\n\"provenMinimal\": "
        << (outcome.LowerBound ? (outcome.ProvenMinimal ? "true" : "false") : "null");
    WritePlanJson(out, outcome.Plan.get());
    if (outcome.StockObjective) {
        char text[128];
        std::snprintf(text, sizeof text, ",\n\"objective\": %.17g,\n\"objectiveLowerBound\": %.17g",
                      *outcome.StockObjective, outcome.StockLowerBound);
        out << text;
    }
    out << ",\n\"message\": ";
    const std::optional<std::string> message = outcome.Message();
    out << (message ? JsonString(*message) : "null") << "\n}\n";
}
