#pragma once
// Recording a graph into the library's metafile and saving it as EMF or WMF.

#include <QString>

namespace plot {

class TGraph;

// Paints the graph into GraphMetafile, sized like its image, and saves it to path (WMF or EMF by
// the ending). The metafile target is reset whatever happens; a paint that raises saves nothing.
void SaveGraphMetafile(TGraph& graph, const QString& path);

}  // namespace plot
