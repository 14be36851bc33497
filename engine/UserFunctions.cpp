#include "engine/UserFunctions.h"

#include "engine/CharClasses.h"
#include "engine/Host.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <utility>

namespace engine {

namespace {

bool IsWordChar(char c)
{
  const auto u = static_cast<unsigned char>(c);
  return IsLetter(u) || IsDigit(u);
}

// Blanks before the first ";" go; the comment after it keeps its own.
std::string WithoutBlanksBeforeComment(std::string line)
{
  const auto semicolon = line.find(';');
  const auto end = std::remove(line.begin(), semicolon == std::string::npos ? line.end() : line.begin() + static_cast<std::ptrdiff_t>(semicolon), ' ');
  line.erase(end, semicolon == std::string::npos ? line.end() : line.begin() + static_cast<std::ptrdiff_t>(semicolon));
  return line;
}

bool HasControlCharacters(const std::string& text)
{
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
}

// Lines of a file ending in CR LF, LF or CR.
bool ReadLines(const std::string& fileName, std::vector<std::string>& lines)
{
  std::ifstream file(fileName, std::ios::binary);
  if (!file)
    return false;
  std::string content;
  try {  // a read error (a folder, a device) raises out of the stream buffer
    content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    return false;
  }
  if (file.bad())
    return false;
  std::string line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
        ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty())
    lines.push_back(line);
  return true;
}

}  // namespace

TUserFunc::TUserFunc(const std::string& line)
{
  const std::string text = WithoutBlanksBeforeComment(line);
  const auto semicolon = text.find(';');
  if (semicolon == 0) {
    Comment = text;
    Prepare();
    Valid = true;
    return;
  }
  const auto open = text.find('(');
  const auto equals = text.find('=');
  const auto close = text.find(')');
  if (open == std::string::npos || equals == std::string::npos)
    return;
  Name = text.substr(0, open + 1);
  if (semicolon == std::string::npos || semicolon > equals)
    Body = text.substr(equals + 1, semicolon == std::string::npos ? std::string::npos : semicolon - equals - 1);
  if (close != std::string::npos && close > open)
    ParamText = text.substr(open + 1, close - open - 1);
  if (Body.empty() || ParamText.empty() || HasControlCharacters(Body))
    return;
  Prepare();
}

void TUserFunc::Prepare()
{
  Params.clear();
  ParamsInOrder.clear();
  ParamCount = 0;
  WorkBody = Body;
  prepared_.reset();
  std::vector<int> bodyPositions(Body.size());
  std::iota(bodyPositions.begin(), bodyPositions.end(), 1);
  ParamMissing = false;
  Duplicate = false;
  if (ParamText.empty())
    return;

  for (std::size_t start = 0;;) {
    const auto comma = ParamText.find(',', start);
    const std::string piece = ParamText.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (piece.empty()) {
      Valid = false;
      return;
    }
    Params.push_back(piece);
    ParamsInOrder.push_back(piece);
    if (comma == std::string::npos)
      break;
    start = comma + 1;
  }
  if (static_cast<int>(ParamsInOrder.size()) > MaxParameters) {
    Valid = false;
    return;
  }
  for (std::size_t i = 0; i < Params.size(); ++i)
    for (std::size_t j = i + 1; j < Params.size(); ++j)
      if (Params[j].size() > Params[i].size())
        std::swap(Params[i], Params[j]);
  for (std::size_t i = 0; i < Params.size(); ++i)
    for (std::size_t j = i + 1; j < Params.size(); ++j)
      if (Params[i] == Params[j]) {
        Duplicate = true;
        Valid = false;
        return;
      }

  for (const std::string& param : Params) {
    if (WorkBody.find(param) == std::string::npos) {
      ParamMissing = true;
      Valid = false;
      return;
    }
    const auto k = std::find(ParamsInOrder.begin(), ParamsInOrder.end(), param) - ParamsInOrder.begin() + 1;
    for (int p = FindWholeWord(param, WorkBody); p != 0; p = FindWholeWord(param, WorkBody)) {
      const auto at = static_cast<std::size_t>(p - 1);
      WorkBody.replace(at, param.size(), 1, static_cast<char>(k));
      bodyPositions.erase(bodyPositions.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                          bodyPositions.begin() + static_cast<std::ptrdiff_t>(at + param.size()));
    }
    ++ParamCount;
  }
  if (ParamCount == 0)
    return;
  Valid = true;
  prepared_ = std::make_shared<const TPreparedBody>(
      TPreparedBody{WorkBody, ParamCount, static_cast<int>(Body.size()), std::move(bodyPositions)});
}

int TPreparedBody::BodyPosition(int workPos) const
{
  if (workPos < 1 || BodyPositions.empty())
    return workPos;
  if (workPos > static_cast<int>(BodyPositions.size()))
    return BodyLength + workPos - static_cast<int>(BodyPositions.size());
  return BodyPositions[static_cast<std::size_t>(workPos - 1)];
}

int TUserFunc::BodyPosition(int workPos) const
{
  return prepared_ ? prepared_->BodyPosition(workPos) : workPos;
}

int FindWholeWord(const std::string& word, const std::string& text)
{
  if (word.empty() || word.size() > text.size())
    return 0;
  for (std::size_t p = text.find(word); p != std::string::npos; p = text.find(word, p + 1)) {
    const bool startsWord = p == 0 || !IsWordChar(text[p - 1]);
    const std::size_t after = p + word.size();
    const bool endsWord = after >= text.size() || !IsWordChar(text[after]);
    if (startsWord && endsWord)
      return static_cast<int>(p) + 1;
  }
  return 0;
}

Extended TUserFunctions::Pop()
{
  if (ResultStack.empty()) {
    StackUnderflow = true;
    return 0;
  }
  const Extended value = ResultStack.back();
  ResultStack.pop_back();
  return value;
}

void TUserFunctions::Clear()
{
  Items.clear();
  ResultStack.clear();
  Lines.clear();
}

bool TUserFunctions::Add(const std::string& line)
{
  TUserFunc entry(line);
  if (entry.Valid) {
    Items.push_back(std::move(entry));
    return true;
  }
  if (entry.Duplicate)
    Host().ShowError("Dublicate parametrs (" + entry.ParamText + ")");
  else if (entry.ParamMissing)
    Host().ShowError("Parametr missing " + line);
  else
    Host().ShowError("Invalid functions " + line);
  return false;
}

void TUserFunctions::LoadFromFile(const std::string& fileName)
{
  std::string name = fileName;
  if (name.empty()) {
    name = Host().ChooseFunctionsFile();
    if (name.empty())
      return;
  } else if (!std::ifstream(name)) {
    return;
  }
  std::vector<std::string> lines;
  if (!ReadLines(name, lines)) {  // the functions loaded before stay
    Host().ShowError("Cannot load " + name + "!");
    return;
  }
  FileName = name;
  Clear();
  Lines = std::move(lines);
  for (const std::string& line : Lines)
    if (!line.empty() && !Add(line))
      break;
}

}  // namespace engine
