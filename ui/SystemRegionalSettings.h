#pragma once

#include <QLocale>

#include "model/RegionalSettings.h"

// The user's decimal separator, short date format and date separator, as the
// libraries take them: plain single-byte values.
RegionalSettings RegionalSettingsOf(const QLocale& locale);
