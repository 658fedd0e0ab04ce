#pragma once

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG). The
// process itself stays in the "C" locale, so no library call starts reading
// or writing numbers differently.
char LocaleDecimalSeparator();
