#pragma once

#include <QIcon>

// The program's own picture, the one its installed desktop entry shows: the
// window and its dialogs carry it. A null icon where the platform cannot draw
// scalable pictures.
QIcon ProgramIcon();
