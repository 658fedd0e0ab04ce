#include "ui/WindowLayout.h"

#include <stdexcept>
#include <string>

const ControlPlace& PlaceOf(std::string_view name) {
    for (const ControlPlace& place : kControlPlaces) {
        if (place.Name == name) {
            return place;
        }
    }
    throw std::out_of_range("no place for the control " + std::string(name));
}

void WriteColumnWidths(TStringGrid& cutList, TStringGrid& barSettings) {
    cutList.ColWidths.assign(kCutListWidths.begin(), kCutListWidths.end());
    barSettings.ColWidths.assign(kBarSettingsWidths.begin(), kBarSettingsWidths.end());
}
