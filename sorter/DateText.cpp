#include "sorter/DateText.h"

#include <cstddef>
#include <ctime>

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a date text from left to right. Blanks are space characters only.
class DateScanner {
  public:
    explicit DateScanner(std::string_view text) : text_(text) {}

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }

    // Everything up to the first digit, as an era name stands before the year.
    void SkipToDigit() {
        while (pos_ < text_.size() && !IsDecimalDigit(text_[pos_])) {
            ++pos_;
        }
    }

    // Blanks, then one or more digits. Reading stops once the value reaches
    // 1000, which keeps it small whatever the text; digitCount counts the
    // characters read, leading zeros included.
    bool Number(std::int32_t& value, std::size_t& digitCount) {
        SkipBlanks();
        const std::size_t start = pos_;
        value = 0;
        while (pos_ < text_.size() && value < 1000 && IsDecimalDigit(text_[pos_])) {
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        digitCount = pos_ - start;
        return digitCount > 0;
    }

    // Blanks, then the separator. A blank separator would be swallowed by the
    // blanks before it, so there a run of at least one blank is the separator.
    bool Separator(char separator) {
        const std::size_t start = pos_;
        SkipBlanks();
        if (separator == ' ') {
            return pos_ > start;
        }
        if (pos_ < text_.size() && text_[pos_] == separator) {
            ++pos_;
            return true;
        }
        pos_ = start;
        return false;
    }

    bool AtEnd() const { return pos_ >= text_.size(); }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsLeapYear(std::int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int32_t DaysInMonth(std::int32_t year, std::int32_t month) {
    static const std::int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Day number of a valid date, 1 January of year 1 being day 0.
std::int32_t DayNumber(std::int32_t year, std::int32_t month, std::int32_t day) {
    const std::int32_t before = year - 1;
    std::int32_t days = before * 365 + before / 4 - before / 100 + before / 400;
    for (std::int32_t m = 1; m < month; ++m) {
        days += DaysInMonth(year, m);
    }
    return days + day - 1;
}

// A year written with one or two digits lies in the hundred years that begin
// fifty years before the current one.
std::int64_t WindowedYear(std::int64_t year, std::int64_t currentYear) {
    const std::int64_t windowStart = currentYear - 50;
    std::int64_t century = windowStart / 100;
    if (windowStart % 100 != 0 && windowStart < 0) {
        --century;  // rounded down, also before year 0
    }
    year += century * 100;
    if (year < windowStart) {
        year += 100;
    }
    return year;
}

}  // namespace

DateOrder DateOrderOf(std::string_view shortDateFormat) {
    for (char c : shortDateFormat) {
        switch (c) {
            case 'D':
            case 'd':
                return DateOrder::DayMonthYear;
            case 'M':
            case 'm':
                return DateOrder::MonthDayYear;
            case 'Y':
            case 'y':
            case 'E':
            case 'e':
                return DateOrder::YearMonthDay;
            default:
                break;
        }
    }
    return DateOrder::MonthDayYear;
}

std::optional<std::int32_t> ReadDateText(std::string_view text, const ShortDateSettings& dates,
                                         std::int32_t currentYear) {
    DateScanner scanner(text);
    // Era formats: this system knows only the Gregorian calendar, whose single
    // era begins with year 1, so an era year is the year itself and an era name
    // written before the date (formats beginning with g) is passed over, whatever
    // it says. Formats that merely contain e read their years as plain years.
    if (!dates.ShortDateFormat.empty() && dates.ShortDateFormat.front() == 'g') {
        scanner.SkipToDigit();
    }
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::int32_t third = 0;
    std::size_t firstDigits = 0;
    std::size_t secondDigits = 0;
    std::size_t thirdDigits = 0;
    if (!scanner.Number(first, firstDigits) || !scanner.Separator(dates.DateSeparator) ||
        !scanner.Number(second, secondDigits)) {
        return std::nullopt;
    }
    bool hasThird = false;
    if (scanner.Separator(dates.DateSeparator)) {
        // A separator after the last number is allowed, so a missing third
        // number just ends the date.
        hasThird = scanner.Number(third, thirdDigits);
        if (hasThird) {
            scanner.Separator(dates.DateSeparator);
        }
    }
    scanner.SkipBlanks();
    if (!scanner.AtEnd()) {
        return std::nullopt;
    }

    const DateOrder order = DateOrderOf(dates.ShortDateFormat);
    std::int64_t year = currentYear;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t writtenYear = 0;
    std::size_t yearDigits = 0;
    if (!hasThird) {
        if (order == DateOrder::DayMonthYear) {
            day = first;
            month = second;
        } else {
            month = first;
            day = second;
        }
    } else {
        switch (order) {
            case DateOrder::DayMonthYear:
                day = first;
                month = second;
                writtenYear = third;
                yearDigits = thirdDigits;
                break;
            case DateOrder::MonthDayYear:
                month = first;
                day = second;
                writtenYear = third;
                yearDigits = thirdDigits;
                break;
            case DateOrder::YearMonthDay:
                writtenYear = first;
                yearDigits = firstDigits;
                month = second;
                day = third;
                break;
        }
        year = writtenYear;
        if (yearDigits <= 2) {
            year = WindowedYear(writtenYear, currentYear);
        }
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12) {
        return std::nullopt;
    }
    const auto calendarYear = static_cast<std::int32_t>(year);
    if (day < 1 || day > DaysInMonth(calendarYear, month)) {
        return std::nullopt;
    }
    return DayNumber(calendarYear, month, day);
}

std::int32_t SystemCurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return 1970;
    }
    return local.tm_year + 1900;
}
