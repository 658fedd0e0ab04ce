#pragma once

#include <string>

// How the user's regional settings write a short date.
struct ShortDateSettings {
    // In the customary letters (d, M, y, e, g), e.g. "dd/MM/yyyy".
    std::string ShortDateFormat = "dd/MM/yyyy";
    char DateSeparator = '/';
};

// The user's regional settings as plain values. The window reads them from
// the system locale; the libraries never ask the system themselves.
struct RegionalSettings : ShortDateSettings {
    char DecimalSeparator = '.';
};
