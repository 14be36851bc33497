#include "controls/editor/EditorView.h"

#include "platform/ClipboardText.h"

namespace controls {

void TOvcEditorView::SetClipboardText(const std::string& text) { platform::SetClipboardText(text); }

std::optional<std::string> TOvcEditorView::ClipboardText() { return platform::ClipboardText(); }

}  // namespace controls
