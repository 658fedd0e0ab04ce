#include "app/batch/BatchDiagram.h"

#include <QGuiApplication>
#include <cstdlib>

#include "diagram/DiagramExport.h"
#include "diagram/PrintClock.h"

void WriteBatchDiagram(const std::string& path, const DiagramJob& job) {
    // Qt measures and draws text only within an application. The tool shows
    // nothing, so it needs no display: the offscreen platform does.
    if (QGuiApplication::instance() == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "velmar-batch";
        static char* argv[] = {name, nullptr};
        static QGuiApplication application(argc, argv);
    }
    WriteDiagramFile(path, job, SystemHeadingStamp);
}
