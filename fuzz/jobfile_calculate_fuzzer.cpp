// Reads arbitrary bytes as a job file and calculates the job, as Open followed
// by Calculate does in the window. Any outcome is fine except a crash, a hang
// or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/Calculate.h"
#include "core/job/JobModels.h"
#include "core/notation/LengthNotation.h"
#include "io/job/JobBinding.h"
#include "io/job/JobFileReader.h"
#include "model/Exceptions.h"
#include "model/GridLayout.h"
#include "model/Trim.h"

namespace {

// A job of more pieces reaches no code that a smaller one does not, it only
// takes longer: a few bytes of quantity ask for millions of bars and seconds
// of work, and the fuzzer would spend its time on such jobs and report them
// as timeouts instead of finding faults.
constexpr double MaxPiecesExplored = 2000;

// No fewer than the pieces Calculate would cut: every row with a length counts its
// quantity as Calculate converts it, an empty quantity as one piece.
double PiecesAsked(const Job& job) {
    double pieces = 0;
    for (int row = kFirstDataRow; row <= kCutListDataRows; ++row) {
        if (job.Cell(row, kLengthColumn).empty()) {
            continue;
        }
        const std::string qty = Trim(job.Cell(row, kQtyColumn));
        float count = 1;
        try {
            count = qty.empty() ? 1.0f : ConvertFeet(qty);
        } catch (const EMathError&) {
            count = 0;
        }
        if (count > 0) {
            pieces += count;
        }
    }
    return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Job job = ParseJobFile(bytes);
    if (!(PiecesAsked(job) <= MaxPiecesExplored)) {
        return -1;  // kept out of the corpus
    }

    auto models = std::make_unique<JobModels>();
    models->WriteHeadings();
    models->Report.Clear();
    EmptyCutList(models->CutList);
    ApplyJob(job, models->View());
    // The last byte picks the two options the job file does not hold and
    // the decimal separator.
    const unsigned char choice = size == 0 ? 0 : data[size - 1];
    models->Options.ShortReport = (choice & 1) != 0;
    models->Options.AlternateMethod = (choice & 2) != 0;
    const char decimalSeparator = (choice & 4) != 0 ? ',' : '.';
    models->Sorter.DecimalSeparator = decimalSeparator;
    try {
        Calculate(models->Calculation(), models->Sorter, models->Options, decimalSeparator);
    } catch (const Exception&) {
        // Floating-point errors of the length notation end the command.
    }
    return 0;
}
