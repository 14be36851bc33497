#pragma once
// The 16 x 16 pictures of the annotation palette's buttons; fuchsia is their transparent colour.

#include "plotui/annotate/GraphAnnotate.h"

#include "platform/Bitmap.h"

namespace plotui {

platform::TBitmap ToolGlyph(TAnnotateTool tool);
platform::TBitmap RefreshGlyph();
platform::TBitmap DeleteAllGlyph();

}  // namespace plotui
