#include "controls/editor/TextColumns.h"

#include <algorithm>

namespace controls {

namespace {

// Width after one more character at width w.
int Advance(char ch, int w, int tabSize)
{
  if (ch == '\t' && tabSize > 0)
    return (w / tabSize + 1) * tabSize;
  return w + 1;
}

int Clamp(std::string_view text, int len) { return std::clamp(len, 0, int(text.size())); }

}  // namespace

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

bool HasTab(std::string_view text, int len)
{
  return text.substr(0, std::size_t(Clamp(text, len))).find('\t') != std::string_view::npos;
}

int TextColumns(std::string_view text, int len, int tabSize)
{
  int w = 0;
  for (int i = 0; i < Clamp(text, len) && text[std::size_t(i)] != '\0'; ++i)
    w = Advance(text[std::size_t(i)], w, tabSize);
  return w;
}

int CharsToColumn(std::string_view text, int column, int tabSize)
{
  int w = 0;
  int count = 0;
  for (char ch : text) {
    if (ch == '\0')
      break;
    w = Advance(ch, w, tabSize);
    ++count;
    if (w >= column)
      return count;
  }
  return count + 1;
}

int PosToColumn(std::string_view text, int len, int pos, int tabSize)
{
  if (pos <= 1 || len <= 0)
    return std::max(pos, 1);
  if (pos > len)
    return TextColumns(text, len, tabSize) + (pos - len);
  return TextColumns(text, pos - 1, tabSize) + 1;
}

int ColumnToPos(std::string_view text, int len, int col, int tabSize)
{
  if (col <= 1 || len <= 0)
    return col;
  const bool tabs = HasTab(text, len);
  const int lastStart = tabs ? PosToColumn(text, len, len, tabSize) : len;
  if (col > lastStart)
    return len + (col - lastStart);
  if (tabs)
    return CharsToColumn(text.substr(0, std::size_t(Clamp(text, len))), col, tabSize);
  return col;
}

int FindBreak(std::string_view line, int fit)
{
  const int len = int(line.size());
  if (fit >= len)
    return len;
  for (int i = fit; i >= 0; --i) {
    const char ch = line[std::size_t(i)];
    if (IsBlank(ch)) {
      int next = i;
      while (next < len && IsBlank(line[std::size_t(next)]))
        ++next;
      return next;
    }
    if (ch == '-') {
      int next = i + 1;
      while (next < len && IsBlank(line[std::size_t(next)]))
        ++next;
      return next;
    }
  }
  return fit;
}

int LastBlankIn(std::string_view text, int len)
{
  for (int i = Clamp(text, len) - 1; i >= 0; --i)
    if (IsBlank(text[std::size_t(i)]))
      return i + 1;
  return len;
}

int LineBreakLength(std::string_view text, int len)
{
  const std::size_t at = text.substr(0, std::size_t(Clamp(text, len))).find('\n');
  return at == std::string_view::npos ? len : int(at) + 1;
}

void PadWith(std::string& text, char ch, int len)
{
  if (int(text.size()) < len)
    text.append(std::size_t(len) - text.size(), ch);
}

std::string DetabText(std::string_view src, int tabSize)
{
  std::string out;
  if (tabSize <= 0)
    return out;
  for (char ch : src) {
    if (ch == '\0')
      break;
    if (ch != '\t') {
      out += ch;
      continue;
    }
    const std::size_t stop = (out.size() / std::size_t(tabSize) + 1) * std::size_t(tabSize);
    out.append(stop - out.size(), ' ');
  }
  return out;
}

std::string CharString(char ch, int len) { return std::string(std::size_t(std::max(len, 0)), ch); }

void InsertCharAt(std::string& text, char ch, int pos)
{
  text.insert(std::min(std::size_t(std::max(pos, 0)), text.size()), 1, ch);
}

void DeleteCharAt(std::string& text, int pos)
{
  if (pos >= 0 && std::size_t(pos) < text.size())
    text.erase(std::size_t(pos), 1);
}

bool CharPos(std::string_view text, char ch, int& pos)
{
  const std::size_t at = text.find(ch);
  if (text.empty() || at == std::string_view::npos)
    return false;
  pos = int(at);
  return true;
}

bool SubstringPos(std::string_view text, std::string_view pattern, int& pos)
{
  if (text.empty() || pattern.empty())
    return false;
  const std::size_t at = text.find(pattern);
  if (at == std::string_view::npos)
    return false;
  pos = int(at);
  return true;
}

}  // namespace controls
