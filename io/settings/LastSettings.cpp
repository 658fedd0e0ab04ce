#include "io/settings/LastSettings.h"

#include "io/job/FlagText.h"
#include "io/settings/ProfileFile.h"
#include "model/Exceptions.h"
#include "model/GridLayout.h"

namespace {

void WriteKey(const ProfileWriter& write, const std::string& path, std::string_view key,
              std::string_view value) {
    if (!write(kSettingsSection, key, value, path)) {
        throw EInOutError("Unable to write to " + path);
    }
}

std::string ReadKey(const std::string& path, std::string_view key) {
    return GetPrivateProfileString(kSettingsSection, key, "", path);
}

constexpr std::string_view kFewestBarsKey = "FewestBars";
constexpr std::string_view kUseStockKey = "UseStock";

bool HasKey(const std::string& path, std::string_view key) {
    // No value read from a line can hold a line end.
    constexpr std::string_view kAbsent = "\n";
    return GetPrivateProfileString(kSettingsSection, key, kAbsent, path) != kAbsent;
}

}  // namespace

void Savelastini(const std::string& path, const LastSettings& settings) {
    Savelastini(path, settings, WritePrivateProfileString);
}

void Savelastini(const std::string& path, const LastSettings& settings,
                 const ProfileWriter& write) {
    WriteKey(write, path, "Length", settings.Length);
    WriteKey(write, path, "Cut", settings.Cut);
    WriteKey(write, path, "ScrapBelow", settings.ScrapBelow);
    WriteKey(write, path, "Summary", FlagText(settings.NoSummary));
    WriteKey(write, path, "Short", FlagText(settings.ShortReport));
    WriteKey(write, path, "AutoItem", FlagText(settings.AutoItem));
    for (const auto& [key, set] : {std::pair{kFewestBarsKey, settings.FewestBars},
                                   std::pair{kUseStockKey, settings.UseStock}}) {
        if (set || HasKey(path, key)) {
            WriteKey(write, path, key, FlagText(set));
        }
    }
}

LastSettings LoadLastini(const std::string& path) {
    LastSettings settings;
    settings.Length = ReadKey(path, "Length");
    settings.Cut = ReadKey(path, "Cut");
    settings.ScrapBelow = ReadKey(path, "ScrapBelow");
    settings.ShortReport = IsSetFlag(ReadKey(path, "Short"));
    settings.NoSummary = IsSetFlag(ReadKey(path, "Summary"));
    settings.AutoItem = IsSetFlag(ReadKey(path, "AutoItem"));
    settings.FewestBars = IsSetFlag(ReadKey(path, kFewestBarsKey));
    settings.UseStock = IsSetFlag(ReadKey(path, kUseStockKey));
    return settings;
}

LastSettings TakeLastSettings(const TStringGrid& barSettings, const Options& options) {
    LastSettings settings;
    settings.Length = barSettings.Cells(kValueColumn, kBarLengthRow);
    settings.Cut = barSettings.Cells(kValueColumn, kCutWidthRow);
    settings.ScrapBelow = barSettings.Cells(kValueColumn, kScrapBelowRow);
    settings.NoSummary = options.NoSummary;
    settings.ShortReport = options.ShortReport;
    settings.AutoItem = options.AutoItemNumber;
    settings.FewestBars = options.FewestBars;
    return settings;
}

void ApplyLastSettings(const LastSettings& settings, TStringGrid& barSettings, Options& options) {
    barSettings.SetCells(kValueColumn, kBarLengthRow, settings.Length);
    barSettings.SetCells(kValueColumn, kCutWidthRow, settings.Cut);
    barSettings.SetCells(kValueColumn, kScrapBelowRow, settings.ScrapBelow);
    options.NoSummary = settings.NoSummary;
    options.ShortReport = settings.ShortReport;
    options.AutoItemNumber = settings.AutoItem;
    options.FewestBars = settings.FewestBars;
    // The two methods exclude each other; the alternate one is never stored.
    if (options.FewestBars) {
        options.AlternateMethod = false;
    }
}
