#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/Options.h"
#include "model/TStringGrid.h"

// What the settings file keeps from one run to the next: the three input rows
// of the bar settings as typed, three of the four options, Fewest Bars and
// Use Stock.
struct LastSettings {
    std::string Length;      // bar settings row 0, " Bar Length"
    std::string Cut;         // row 1, " Cut Width"
    std::string ScrapBelow;  // row 2, " Scrap Below"
    bool NoSummary = false;
    bool ShortReport = false;
    bool AutoItem = false;
    // Each kept under a key of its own, which is written only once the box
    // has been ticked: until then the file stays as it always was.
    bool FewestBars = false;
    bool UseStock = false;  // the window's "Use Stock", not one of the options

    bool operator==(const LastSettings&) const = default;
};

inline constexpr std::string_view kSettingsSection = "Bar";

// Writes one key; false when the write is refused.
using ProfileWriter = std::function<bool(std::string_view section, std::string_view key,
                                         std::string_view value, const std::string& path)>;

// Writes the six keys one after another, each reaching the file at once, then
// "FewestBars" and "UseStock", each when it is set or the file holds it already. A refused write
// throws EInOutError "Unable to write to <path>" and leaves the keys after it
// unwritten.
void Savelastini(const std::string& path, const LastSettings& settings);
void Savelastini(const std::string& path, const LastSettings& settings, const ProfileWriter& write);

// Reads the eight keys; whatever is missing reads as empty, or as unchecked.
LastSettings LoadLastini(const std::string& path);

// Between the settings and the window's bar settings grid and check boxes.
LastSettings TakeLastSettings(const TStringGrid& barSettings, const Options& options);
void ApplyLastSettings(const LastSettings& settings, TStringGrid& barSettings, Options& options);
