#include "app/batch/BatchDiagram.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "diagram/DiagramExport.h"
#include "diagram/PrintClock.h"

namespace {

// The tool's stderr carries its own messages only: Qt's notes about the
// environment (no runtime folder, say) are not the user's concern. A fatal
// message still goes out before Qt ends the program.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                     const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

void WriteBatchDiagram(const std::string& path, const DiagramJob& job) {
    // Qt measures and draws text only within an application. The tool shows
    // nothing, so it needs no display: the offscreen platform does.
    if (QGuiApplication::instance() == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(QuietQtMessages);
        static int argc = 1;
        static char name[] = "velmar-batch";
        static char* argv[] = {name, nullptr};
        static QGuiApplication application(argc, argv);
    }
    WriteDiagramFile(path, job, SystemHeadingStamp);
}
