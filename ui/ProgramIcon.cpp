#include "ui/ProgramIcon.h"

#include <QString>

// The picture is built into the window library, a static library: its
// resource is registered on first use.
static void LoadProgramIcon() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(ProgramIcon);
        return true;
    }();
    (void)loaded;
}

QIcon ProgramIcon() {
    LoadProgramIcon();
    return QIcon(QStringLiteral(":/velmar.svg"));
}
