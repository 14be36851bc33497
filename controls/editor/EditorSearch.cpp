// Search and replace over the paragraphs of the text store, and the word at the caret.

#include "controls/editor/EditorCore.h"
#include "controls/editor/TextSearch.h"

namespace controls {
namespace {

// The busy cursor for the length of a scan, also when an exception leaves it.
class TBusyScan {
 public:
  explicit TBusyScan(TOvcEditorView& view) : view_(view) { view_.ShowBusy(true); }
  ~TBusyScan() { view_.ShowBusy(false); }
  TBusyScan(const TBusyScan&) = delete;
  TBusyScan& operator=(const TBusyScan&) = delete;

 private:
  TOvcEditorView& view_;
};

bool IsWholeWord(std::string_view text, int at, int len)
{
  const bool left = at == 0 || IsWordDelimiter(text[std::size_t(at - 1)]);
  const bool right = at + len >= int(text.size()) || IsWordDelimiter(text[std::size_t(at + len)]);
  return left && right;
}

}  // namespace

bool TOvcEditorCore::Search(std::string_view text, TEditorSearchOptions options)
{
  return DoSearchReplace(text, std::nullopt, options & ~(soReplace | soReplaceAll)) == 0;
}

int TOvcEditorCore::Replace(std::string_view text, std::string_view replacement, TEditorSearchOptions options)
{
  return DoSearchReplace(text, replacement, options);
}

int TOvcEditorCore::DoSearchReplace(std::string_view text, std::optional<std::string_view> replacement,
                                    TEditorSearchOptions options)
{
  const bool replacing = options & (soReplace | soReplaceAll);
  if (text.empty() || (replacing && (!replacement || readOnly_)))
    return 0;
  const bool backward = options & soBackward;
  const bool replaceAll = options & soReplaceAll;
  const bool wholeWord = options & soWholeWord;
  const bool inSelection = options & soSelection;
  const TTextFinder finder(text, options & soMatchCase);
  const int L = finder.Length();
  const int R = replacement ? int(replacement->size()) : 0;

  int count = 0;
  if (replacing && selStart_.Para == selEnd_.Para && selEnd_.Pos - selStart_.Pos == L &&
      finder.Matches(list_->GetParaText(selStart_.Para).substr(std::size_t(selStart_.Pos - 1), std::size_t(L)))) {
    if (const int code = InsertString(*replacement)) {
      DoOnError(code);
      return code;
    }
    count = 1;
  }

  const bool caretWasAtEnd = CaretPara() == selEnd_;
  const int paraCount = GetParaCount();
  TParaPos rangeStart{1, 1};
  TParaPos rangeEnd{paraCount + 1, 1};
  TParaPos start;
  if (inSelection) {
    rangeStart = selStart_;
    rangeEnd = selEnd_;
    start = backward ? selEnd_ : selStart_;
  } else if (options & soGlobal) {
    start = backward ? TParaPos{paraCount, ParaLength(paraCount) + 1} : TParaPos{1, 1};
  } else {
    start = CaretPara();
    (backward ? rangeEnd : rangeStart) = start;
  }

  const auto inRange = [&](int para, int m) {
    if (para == rangeStart.Para && m < rangeStart.Pos)
      return false;
    return !(para == rangeEnd.Para && m + L - 1 >= rangeEnd.Pos);
  };
  // Replaces the match at (para, m); range bounds behind it move with the text.
  int error = 0;
  const auto replaceAt = [&](int para, int m) {
    error = list_->ReplaceText(this, para, m, L, *replacement);
    if (error)
      return;
    ++count;
    for (TParaPos* bound : {&rangeStart, &rangeEnd})
      if (bound->Para == para && bound->Pos >= m + L)
        bound->Pos += R - L;
  };

  bool found = false;
  {
    TBusyScan busy(View());
    int P = start.Para;
    if (!backward) {
      int Q = start.Pos;
      while (!found && !error && P <= rangeEnd.Para && P <= GetParaCount()) {
        const std::string_view para = list_->GetParaText(P);
        const int at = ParaLength(P) - Q + 1 < L ? -1 : finder.FindFirst(para, Q - 1);
        if (at < 0) {
          ++P;
          Q = 1;
          continue;
        }
        const int M = at + 1;
        if ((wholeWord && !IsWholeWord(para, at, L)) || !inRange(P, M)) {
          Q = M + 1;
        } else if (replaceAll) {
          replaceAt(P, M);
          Q = M + R;
        } else {
          SetSelectionPara(P, M, P, M + L, true);
          found = true;
        }
      }
    } else {
      int Q = start.Pos - 1;
      while (!found && !error && P >= rangeStart.Para && P >= 1) {
        const std::string_view para = list_->GetParaText(P);
        const int at = ParaLength(P) < L || Q < L ? -1 : finder.FindLast(para, Q);
        if (at < 0) {
          if (--P >= 1)
            Q = ParaLength(P);
          continue;
        }
        const int M = at + 1;
        if ((wholeWord && !IsWholeWord(para, at, L)) || !inRange(P, M)) {
          Q = M - 1;
        } else if (replaceAll) {
          replaceAt(P, M);
          Q = M - 1;
        } else {
          SetSelectionPara(P, M, P, M + L, false);
          found = true;
        }
      }
    }
  }

  if (replaceAll && count > 0) {
    if (inSelection) {
      rangeEnd.Pos = std::min(rangeEnd.Pos, ParaLength(rangeEnd.Para) + 1);
      SetSelectionPara(rangeStart.Para, rangeStart.Pos, rangeEnd.Para, rangeEnd.Pos, caretWasAtEnd);
    } else {
      const TParaPos caret = CaretPara();
      MoveCaretToPara(caret.Para, caret.Pos, false);
    }
    View().InvalidateAll();
  }
  if (count > 0 || error)
    DoOnChange();
  if (error) {
    DoOnError(error);
    return error;
  }
  if (count > 0)
    return count;
  return found ? 0 : -1;
}

std::string TOvcEditorCore::GetCurrentWord() const
{
  const std::string_view text = list_->GetParaText(caretPara_);
  const int n = int(text.size());
  const int i = CaretPara().Pos - 1;
  const auto delim = [&](int k) { return IsWordDelimiter(text[std::size_t(k)]); };
  if (i >= n || i < 0 || delim(i))
    return {};
  int first = i;
  while (first > 0 && !delim(first))
    --first;
  while (first < n - 1 && delim(first))
    ++first;
  int last = first;
  while (last < n - 1 && !delim(last))
    ++last;
  while (last > 0 && delim(last))
    --last;
  return std::string(text.substr(std::size_t(first), std::size_t(last - first + 1)));
}

}  // namespace controls
