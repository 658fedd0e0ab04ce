#include "sorter/SASG.h"

#include "sorter/DateText.h"
#include "sorter/SorterMessages.h"
#include "sorter/WholeNumberText.h"

TSortAStringGrid::TSortAStringGrid(TComponent* owner) : TComponent(owner) {}

void TSortAStringGrid::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    // The grid is not owned here; the shared owner tells us when it goes, so
    // that no later Sort touches a destroyed grid.
    if (operation == TOperation::opRemove && component != nullptr && component == GridToSort) {
        GridToSort = nullptr;
    }
}

bool TSortAStringGrid::Sort() {
    errorCode_ = 0;
    // One reading of the clock per sort: the check and the comparisons must
    // agree on the year of dates written without one.
    const std::int32_t currentYear =
        DateSettings.CurrentYear != 0 ? DateSettings.CurrentYear : SystemCurrentYear();
    errorCode_ = CheckSettings();
    if (errorCode_ == 0) {
        errorCode_ = CheckKeys(currentYear);
    }
    errorMessage_ = SorterMessage(errorCode_);
    if (errorCode_ > 0) {
        ShowBox(false);
        return false;
    }
    Rearrange(currentYear);
    if (errorCode_ < 0) {
        ShowBox(true);
    }
    return true;
}

int TSortAStringGrid::LineCount() const {
    return HowToSort == ::SortType::Column ? GridToSort->ColCount() : GridToSort->RowCount();
}

int TSortAStringGrid::CrossCount() const {
    return HowToSort == ::SortType::Column ? GridToSort->RowCount() : GridToSort->ColCount();
}

std::string TSortAStringGrid::KeyText(std::int32_t index) const {
    return HowToSort == ::SortType::Column ? GridToSort->Cells(index, SortIndex)
                                           : GridToSort->Cells(SortIndex, index);
}

std::int32_t TSortAStringGrid::CheckSettings() const {
    if (GridToSort == nullptr) {
        return 1;
    }
    if (StartIndex >= EndIndex) {
        return 2;
    }
    if (StartIndex < 0) {
        return 3;
    }
    // Counts are never negative, so count - 1 cannot overflow.
    if (StartIndex > LineCount() - 1) {
        return 4;
    }
    if (EndIndex > LineCount() - 1) {
        return 5;
    }
    if (SortIndex < 0) {
        return 6;
    }
    if (SortIndex > CrossCount() - 1) {
        return 7;
    }
    return 0;
}

std::int32_t TSortAStringGrid::CheckKeys(std::int32_t currentYear) {
    std::int32_t code = 0;
    if (SortType == ToSortType::Numeric) {
        for (std::int32_t k = StartIndex; k <= EndIndex; ++k) {
            if (!IsWholeNumberText(KeyText(k))) {
                SortType = ToSortType::Character;
                return -1;
            }
        }
        if (CaseSensitiv) {
            code = -3;
        }
    } else if (SortType == ToSortType::Datee) {
        if (CaseSensitiv) {
            code = -4;
        }
        for (std::int32_t k = StartIndex; k <= EndIndex; ++k) {
            if (!ReadDateText(KeyText(k), DateSettings, currentYear)) {
                // A later key that is a date changes nothing, so the rest
                // need not be read.
                SortType = ToSortType::Character;
                return -2;
            }
        }
    }
    return code;
}

void TSortAStringGrid::ShowBox(bool warning) const {
    if (!ShowMessageOnError || MessageBoxes == nullptr) {
        return;
    }
    if (warning) {
        MessageBoxes->ShowWarning(errorMessage_);
    } else {
        MessageBoxes->ShowError(errorMessage_);
    }
}
