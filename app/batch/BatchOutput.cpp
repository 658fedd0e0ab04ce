#include "app/batch/BatchOutput.h"

#include <cstdio>

#include "app/batch/JsonText.h"
#include "app/batch/PlanJson.h"
#include "model/GridLayout.h"

void BeginReportJson(std::ostream& out) {
    out << "{\n\"report\": [";
}

void EndReportJson(std::ostream& out, const JobModels& models, const BatchOutcome& outcome) {
    const PlanOutcome& planned = outcome.Planned;
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
        << ",\n\"method\": " << JsonString(planned.Method) << ",\n\"lowerBound\": "
        << (outcome.Calculated() ? std::to_string(planned.LowerBound) : "null")
        << ",\n\"provenMinimal\": "
        << (outcome.Calculated() ? (planned.ProvenMinimal ? "true" : "false") : "null");
    WritePlanJson(out, planned.Plan.get());
    if (outcome.FromStock()) {
        char text[128];
        std::snprintf(text, sizeof text, ",\n\"objective\": %.17g,\n\"objectiveLowerBound\": %.17g",
                      planned.StockObjective, planned.StockLowerBound);
        out << text;
    }
    out << ",\n\"message\": ";
    const std::optional<std::string> message = outcome.Message();
    out << (message ? JsonString(*message) : "null") << "\n}\n";
}
