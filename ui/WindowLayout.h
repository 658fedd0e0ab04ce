#pragma once

#include <array>
#include <string_view>

#include "model/GridLayout.h"
#include "model/TStringGrid.h"

// Where the main window's controls stand, in pixels within its client area,
// and the widths the activation step gives the grids' columns. The window
// places its controls from these tables and its tests check them against it.

inline constexpr int kClientWidth = 670;
inline constexpr int kClientHeight = 316;
inline constexpr int kGridRowHeight = 24;

struct ControlPlace {
    std::string_view Name;
    int Left;
    int Top;
    int Width;  // 0: sized by its caption
    int Height;
};

// The tool bar and the status line follow the client area's width; every
// other control keeps its place however the window is sized.
inline constexpr std::array kControlPlaces = {
    ControlPlace{"SpeedBar", 0, 0, kClientWidth, 33},
    ControlPlace{"SpeedButton1", 8, 4, 25, 25},
    ControlPlace{"SpeedButton2", 32, 4, 25, 25},
    ControlPlace{"SpeedButton4", 56, 4, 25, 25},
    ControlPlace{"SpeedButton3", 80, 4, 23, 25},
    ControlPlace{"Label1", 96, 36, 0, 0},
    ControlPlace{"Title1", 176, 32, 273, 21},
    ControlPlace{"StringGrid1", 0, 56, 170, 225},
    ControlPlace{"Memo1", 176, 56, 273, 225},
    ControlPlace{"StringGrid2", 456, 56, 145, 129},
    ControlPlace{"Button1", 456, 192, 75, 25},
    ControlPlace{"Label3", 536, 195, 0, 0},
    ControlPlace{"Label2", 608, 195, 0, 0},
    ControlPlace{"SumaryCheckBox1", 456, 216, 97, 17},
    ControlPlace{"ShortCheckBox1", 456, 232, 97, 17},
    ControlPlace{"ItemNumBox1", 456, 248, 121, 17},
    ControlPlace{"AltMethodCheckBox1", 456, 264, 121, 17},
    // Added beside the others where the window had room, so none moved.
    ControlPlace{"FewestBarsCheckBox1", 580, 264, 88, 17},
    ControlPlace{"Label4", 176, 283, 0, 0},
    ControlPlace{"UseStockCheckBox1", 580, 248, 88, 17},
    ControlPlace{"StatusLine", 0, kClientHeight - 17, kClientWidth, 17},
};

// The place of a control of the table; a name not in it is a programming
// error and throws std::out_of_range.
const ControlPlace& PlaceOf(std::string_view name);

inline constexpr std::array<int, kCutListColumns> kCutListWidths = {40, 65, 40, 100, 70};
inline constexpr std::array<int, kBarSettingsColumns> kBarSettingsWidths = {85, 55};

// The activation step's column widths, kept in the grids' models.
void WriteColumnWidths(TStringGrid& cutList, TStringGrid& barSettings);
