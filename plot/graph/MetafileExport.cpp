#include "plot/graph/MetafileExport.h"

#include "plot/graph/Graph.h"
#include "plot/support/GraphLibrary.h"

namespace plot {

namespace {

// Ends the recording: drawing goes back to the image and no canvas is left on the metafile.
class TMetafileTarget {
public:
  explicit TMetafileTarget(TGraphLibrary& library) : library_(library)
  {
    library_.MetafileDrawing = true;
    library_.MetafileCanvas.reset();
  }
  ~TMetafileTarget() { End(); }
  TMetafileTarget(const TMetafileTarget&) = delete;
  TMetafileTarget& operator=(const TMetafileTarget&) = delete;

  void End()
  {
    library_.MetafileDrawing = false;
    library_.MetafileCanvas.reset();  // stores the recorded calls in the metafile
  }

private:
  TGraphLibrary& library_;
};

}  // namespace

void SaveGraphMetafile(TGraph& graph, const QString& path)
{
  TGraphLibrary& library = GraphLibrary();
  TMetafileTarget target(library);
  library.GraphMetafile.Clear();
  library.GraphMetafile.SetSize(graph.Image->Width(), graph.Image->Height());
  library.MetafileCanvas = std::make_unique<platform::TMetafileCanvas>(library.GraphMetafile);
  graph.Paint();
  target.End();
  library.GraphMetafile.SaveToFile(path);
}

}  // namespace plot
