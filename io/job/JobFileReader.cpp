#include "io/job/JobFileReader.h"

#include "io/job/FlagText.h"
#include "io/job/JobLineReader.h"

Job ReadJob(ByteSource& source) {
    LimitedByteSource limited(source, kMaxJobFileBytes, kJobTooLargeText);
    JobLineReader reader(limited);
    Job job;
    job.Title = reader.ReadLine();
    for (std::string& setting : job.BarSettings) {
        setting = reader.ReadLine();
    }
    job.AutoItemNumber = IsSetFlag(reader.ReadLine());
    // One pass only: a surplus line must not wrap round and overwrite the
    // cut list from its first cell.
    for (std::string& cell : job.Cells) {
        if (reader.AtEnd()) {
            break;
        }
        cell = reader.ReadLine();
    }
    return job;
}

Job ParseJobFile(std::string_view bytes) {
    MemoryByteSource source(bytes);
    return ReadJob(source);
}

Job ReadJobFile(const std::string& path) {
    FileByteSource source(path);
    return ReadJob(source);
}
