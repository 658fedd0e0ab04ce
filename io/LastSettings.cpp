#include "io/LastSettings.h"

#include "io/FlagText.h"
#include "io/ProfileFile.h"
#include "model/Exceptions.h"
#include "model/GridLayout.h"

namespace {

void WriteKey(const ProfileWriter& write, const std::string& path, std::string_view key,
              std::string_view value) {
    if (!write(SettingsSection, key, value, path)) {
        throw EInOutError("Unable to write to " + path);
    }
}

std::string ReadKey(const std::string& path, std::string_view key) {
    return GetPrivateProfileString(SettingsSection, key, "", path);
}

}  // namespace

void Savelastini(const std::string& path, const LastSettings& settings) {
    Savelastini(path, settings, WritePrivateProfileString);
}

void Savelastini(const std::string& path, const LastSettings& settings,
                 const ProfileWriter& write) {
    WriteKey(write, path, "Length", settings.length);
    WriteKey(write, path, "Cut", settings.cut);
    WriteKey(write, path, "ScrapBelow", settings.scrapBelow);
    WriteKey(write, path, "Summary", FlagText(settings.noSummary));
    WriteKey(write, path, "Short", FlagText(settings.shortReport));
    WriteKey(write, path, "AutoItem", FlagText(settings.autoItem));
}

LastSettings LoadLastini(const std::string& path) {
    LastSettings settings;
    settings.length = ReadKey(path, "Length");
    settings.cut = ReadKey(path, "Cut");
    settings.scrapBelow = ReadKey(path, "ScrapBelow");
    settings.shortReport = IsSetFlag(ReadKey(path, "Short"));
    settings.noSummary = IsSetFlag(ReadKey(path, "Summary"));
    settings.autoItem = IsSetFlag(ReadKey(path, "AutoItem"));
    return settings;
}

LastSettings TakeLastSettings(const TStringGrid& barSettings, const Options& options) {
    LastSettings settings;
    settings.length = barSettings.Cells(kValueColumn, kBarLengthRow);
    settings.cut = barSettings.Cells(kValueColumn, kCutWidthRow);
    settings.scrapBelow = barSettings.Cells(kValueColumn, kScrapBelowRow);
    settings.noSummary = options.NoSummary;
    settings.shortReport = options.ShortReport;
    settings.autoItem = options.AutoItemNumber;
    return settings;
}

void ApplyLastSettings(const LastSettings& settings, TStringGrid& barSettings, Options& options) {
    barSettings.SetCells(kValueColumn, kBarLengthRow, settings.length);
    barSettings.SetCells(kValueColumn, kCutWidthRow, settings.cut);
    barSettings.SetCells(kValueColumn, kScrapBelowRow, settings.scrapBelow);
    options.NoSummary = settings.noSummary;
    options.ShortReport = settings.shortReport;
    options.AutoItemNumber = settings.autoItem;
}
