#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

// The date and time printed in a page heading, as one reading of the clock.
struct HeadingStamp {
    std::string Date;
    std::string Time;
};

using HeadingClock = std::function<HeadingStamp()>;

// The six lines that open every printed page, of the report and of the
// cutting diagram alike: a blank line, the title, the page number, a blank
// line, the date and time, a blank line.
std::array<std::string, 6> PageHeadingLines(const std::string& title, std::size_t pageNumber,
                                            const HeadingStamp& stamp);
