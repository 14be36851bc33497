#pragma once
// The parts a graph draws around and behind its layers: title and foot, frame, background gradient
// and picture; and the info layer.

#include "plot/graph/Layer.h"
#include "plot/parts/Background.h"
#include "plot/parts/Frame.h"
#include "plot/parts/InfoBubble.h"
#include "plot/parts/Title.h"
