#include "app/batch/BatchDiagram.h"
#include "model/Exceptions.h"

// The tool as built without Qt: it draws no diagrams.
void WriteBatchDiagram(const std::string& /*path*/, const DiagramJob& /*job*/) {
    throw Exception("This velmar-batch was built without Qt and draws no diagrams");
}
