#include "app/batch/LocaleSeparator.h"

#include <clocale>
#include <cstring>

char LocaleDecimalSeparator() {
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* point = std::localeconv()->decimal_point;
        // A separator of more than one byte has no single-byte form.
        if (point != nullptr && std::strlen(point) == 1) {
            separator = point[0];
        }
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}
