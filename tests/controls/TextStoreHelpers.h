#pragma once
// Small helpers for tests of the text store.

#include "controls/editor/ParaList.h"

#include <string>
#include <vector>

namespace controls::test {

// The paragraphs of a list, in order.
inline std::vector<std::string> Paras(const TOvcParaList& list)
{
  std::vector<std::string> out;
  for (int p = 1; p <= list.ParaCount(); ++p)
    out.emplace_back(list.GetParaText(p));
  return out;
}

// The display lines of a list, read through GetLine.
inline std::vector<std::string> Lines(TOvcParaList& list)
{
  std::vector<std::string> out;
  for (int line = 1; line <= list.LineCount(); ++line) {
    std::string_view text;
    list.GetLine(line, text);
    out.emplace_back(text);
  }
  return out;
}

// A list filled with paragraphs as a loader would, plus its trailing empty paragraph removed.
inline void Fill(TOvcParaList& list, const std::vector<std::string>& paras)
{
  for (std::size_t i = 0; i < paras.size(); ++i) {
    if (i == 0)
      list.InsertText(nullptr, 1, 1, paras[0]);
    else
      list.InsertParaAfter(nullptr, int(i), paras[i]);
  }
  list.UndoBuffer().Clear();
  list.SetModified(false);
}

}  // namespace controls::test
