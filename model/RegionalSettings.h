#pragma once

#include <string>

// The user's regional settings as plain values. The window reads them from
// the system locale; the libraries never ask the system themselves.
struct RegionalSettings {
    char DecimalSeparator = '.';
    // Short date format in the customary letters (d, M, y, e, g), e.g. "dd/MM/yyyy".
    std::string ShortDateFormat = "dd/MM/yyyy";
    char DateSeparator = '/';
};
