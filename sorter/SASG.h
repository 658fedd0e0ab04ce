#pragma once

#include <cstdint>
#include <string>

#include "model/MessageBoxes.h"
#include "model/RegionalSettings.h"
#include "model/TComponent.h"
#include "model/TStringGrid.h"
#include "sorter/KeyTable.h"

// How keys are compared.
enum class ToSortType { Character = 0, Numeric = 1, Datee = 2 };
// Order of the result.
enum class SortDirType { Ascending = 0, Descending = 1 };
// What moves: whole columns sorted by a key row, or whole rows sorted by a key column.
enum class SortType { Column = 0, Row = 1 };

// The date reading needs the user's short date format and date separator and
// the current year (for years written with one or two digits, and for dates
// given as day and month only). Zero takes the year from the system clock.
struct SorterDateSettings : ShortDateSettings {
    int CurrentYear = 0;
};

// A non-visual component that sorts a range of the rows (or columns) of a text
// grid by one key column (or row). Set the properties, call Sort, read
// ErrorCode and ErrorMessage.
class TSortAStringGrid : public TComponent {
  public:
    explicit TSortAStringGrid(TComponent* owner);

    // Published properties; setting one has no side effect.
    TStringGrid* GridToSort = nullptr;
    std::int32_t StartIndex = 0;
    std::int32_t EndIndex = 0;
    std::int32_t SortIndex = 0;
    ToSortType SortType = ToSortType::Character;
    bool CaseSensitiv = false;
    SortDirType SortDirection = SortDirType::Ascending;
    ::SortType HowToSort = ::SortType::Row;
    bool ShowMessageOnError = false;

    // Regional settings for the numeric and date comparisons, and where the
    // boxes go when ShowMessageOnError is set.
    char DecimalSeparator = '.';
    SorterDateSettings DateSettings;
    IMessageBoxes* MessageBoxes = nullptr;

    // True when the grid was rearranged (ErrorCode 0 or a warning below 0),
    // false when the settings were refused (ErrorCode 1 to 7).
    bool Sort();

    std::int32_t ErrorCode() const { return errorCode_; }
    const std::string& ErrorMessage() const { return errorMessage_; }

  protected:
    void Notification(TComponent* component, TOperation operation) override;

  private:
    // Number of rows (columns in column mode) that the range indexes, and the
    // number of columns (rows) that SortIndex indexes.
    int LineCount() const;
    int CrossCount() const;
    std::string KeyText(std::int32_t index) const;

    std::int32_t CheckSettings() const;
    // May switch SortType to Character when the keys do not suit it.
    std::int32_t CheckKeys(std::int32_t currentYear);
    void Rearrange(std::int32_t currentYear);
    void SortKeyTable(KeyTable& table, std::int32_t currentYear) const;
    void ShowBox(bool warning) const;

    std::int32_t errorCode_ = 0;
    std::string errorMessage_;
};
