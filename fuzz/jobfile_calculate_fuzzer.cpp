// Reads arbitrary bytes as a job file and calculates the job, as Open followed
// by Calculate does in the window. Any outcome is fine except a crash, a hang
// or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/Calculate.h"
#include "core/JobModels.h"
#include "io/JobBinding.h"
#include "io/JobFileReader.h"
#include "model/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Job job = ParseJobFile(bytes);

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
