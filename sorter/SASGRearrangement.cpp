#include <cstddef>
#include <cstdint>
#include <vector>

#include "sorter/DateText.h"
#include "sorter/PartitionSort.h"
#include "sorter/SASG.h"
#include "sorter/TextToFloat.h"

void TSortAStringGrid::Rearrange(std::int32_t currentYear) {
    // Indices are plain 32-bit integers here; the settings checks have placed
    // the whole range inside the grid, so every index below is a real line.
    KeyTable table;
    table.reserve(static_cast<std::size_t>(EndIndex - StartIndex) + 1);
    for (std::int32_t k = StartIndex; k <= EndIndex; ++k) {
        table.push_back({k, KeyText(k)});
    }
    const bool byCharacters = SortType != ToSortType::Numeric && SortType != ToSortType::Datee;
    if (byCharacters && !CaseSensitiv) {
        for (KeyEntry& entry : table) {
            entry.Key = UpperCaseAsciiLetters(std::move(entry.Key));
        }
    }
    // A key that the numeric comparison cannot read raises here, before the
    // grid has been touched.
    SortKeyTable(table, currentYear);

    const bool byColumn = HowToSort == ::SortType::Column;
    std::vector<TStringGrid::TStrings> copies;
    copies.reserve(table.size());
    for (const KeyEntry& entry : table) {
        copies.push_back(byColumn ? GridToSort->Cols(entry.Source)
                                  : GridToSort->Rows(entry.Source));
    }
    auto writeLine = [&](std::int32_t index, const TStringGrid::TStrings& texts) {
        if (byColumn) {
            GridToSort->SetCols(index, texts);
        } else {
            GridToSort->SetRows(index, texts);
        }
    };
    for (std::size_t p = 0; p < copies.size(); ++p) {
        writeLine(StartIndex + static_cast<std::int32_t>(p), copies[p]);
    }
    // Descending is the ascending result read backwards, equal keys included.
    if (SortDirection == SortDirType::Descending) {
        for (std::size_t p = copies.size(); p-- > 0;) {
            writeLine(EndIndex - static_cast<std::int32_t>(p), copies[p]);
        }
    }
}

void TSortAStringGrid::SortKeyTable(KeyTable& table, std::int32_t currentYear) const {
    const auto last = static_cast<std::int32_t>(table.size()) - 1;
    switch (SortType) {
        case ToSortType::Numeric: {
            const char separator = DecimalSeparator;
            const auto readNumber = [separator](const std::string& key) {
                return TextToFloat(key, separator);
            };
            PartitionSort(table, 0, last, readNumber, false);
            break;
        }
        case ToSortType::Datee: {
            // Every key was read successfully by the check; a failure here
            // could only come from a changed grid and sorts first.
            const auto readDate = [this, currentYear](const std::string& key) {
                return ReadDateText(key, DateSettings, currentYear).value_or(-1);
            };
            PartitionSort(table, 0, last, readDate, false);
            break;
        }
        case ToSortType::Character:
        default: {
            const auto readText = [](const std::string& key) -> const std::string& { return key; };
            PartitionSort(table, 0, last, readText, true);
            break;
        }
    }
}
