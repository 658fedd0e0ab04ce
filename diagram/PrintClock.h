#pragma once

#include "core/report/PageHeading.h"

class QDateTime;
class QLocale;

// The moment in the short date format and the long time format (hours,
// minutes, seconds, and the AM/PM designator where the locale uses one) of
// the given locale.
HeadingStamp StampOf(const QDateTime& moment, const QLocale& locale);

// Now, in the user's regional settings.
HeadingStamp SystemHeadingStamp();
