#pragma once

#include <QIcon>

// The pictures of the four tool buttons, drawn at start-up so the program
// ships no image files of its own. The disabled look comes from QIcon.
QIcon NewFileIcon();
QIcon OpenFileIcon();
QIcon SaveFileIcon();
QIcon PrintIcon();
