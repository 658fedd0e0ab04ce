#pragma once

// The option check boxes of the window.
struct Options {
    bool NoSummary = false;        // "No Summary": printing leaves the summary out
    bool ShortReport = false;      // "Short Report": like cut lines are combined
    bool AutoItemNumber = false;   // "Auto Item Number": like lengths share an item number
    bool AlternateMethod = false;  // "Alternate Method": one longest piece per bar
    bool FewestBars = false;       // "Fewest Bars": as few bars as the search finds
};
