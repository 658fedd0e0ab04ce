#include "io/job/FlagText.h"

#include "model/Trim.h"

bool IsSetFlag(std::string_view text) {
    return Trim(text) == "1";
}
