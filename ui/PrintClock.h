#pragma once

#include <functional>
#include <string>

class QDateTime;
class QLocale;

// The date and time printed in a page heading, as one reading of the clock.
struct HeadingStamp {
    std::string Date;
    std::string Time;
};

using HeadingClock = std::function<HeadingStamp()>;

// The moment in the short date format and the long time format (hours,
// minutes, seconds, and the AM/PM designator where the locale uses one) of
// the given locale.
HeadingStamp StampOf(const QDateTime& moment, const QLocale& locale);

// Now, in the user's regional settings.
HeadingStamp SystemHeadingStamp();
