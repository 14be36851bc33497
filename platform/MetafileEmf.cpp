#include "platform/Metafile.h"
namespace platform {
QByteArray WriteEmf(const std::vector<TCanvasRecord>&, int, int) { return {}; }
QByteArray WriteWmf(const std::vector<TCanvasRecord>&, int, int) { return {}; }
}
