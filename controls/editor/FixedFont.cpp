#include "controls/editor/FixedFont.h"

#include "controls/editor/Exceptions.h"
#include "platform/FontList.h"

#include <strings.h>

namespace controls {

const std::vector<std::string>& FixedPitchFaces()
{
  static const std::vector<std::string> faces = [] {
    std::vector<std::string> list = platform::FixedPitchFontFamilies();
    if (list.empty())
      list.push_back(platform::SystemFixedFontFamily());
    return list;
  }();
  return faces;
}

TOvcFixedFont::TOvcFixedFont() : TOvcFixedFont(FixedPitchFaces()) {}

TOvcFixedFont::TOvcFixedFont(std::vector<std::string> faces) : faces_(std::move(faces))
{
  if (faces_.empty())
    faces_.push_back(platform::SystemFixedFontFamily());
  font_.Name = faces_.front();
}

const std::string* TOvcFixedFont::FindFace(const std::string& name) const
{
  for (const std::string& face : faces_)
    if (strcasecmp(face.c_str(), name.c_str()) == 0)
      return &face;
  return nullptr;
}

bool TOvcFixedFont::IsFixedFace(const std::string& name) const { return FindFace(name) != nullptr; }

void TOvcFixedFont::SetName(const std::string& name)
{
  const std::string* face = FindFace(name);
  if (!face)
    return;
  font_.Name = *face;
  Changed();
}

void TOvcFixedFont::SetSize(int size)
{
  font_.Size = size;
  Changed();
}

void TOvcFixedFont::SetStyle(TFontStyles style)
{
  font_.Style = style;
  Changed();
}

void TOvcFixedFont::SetColor(platform::TColor color)
{
  font_.Color = color;
  Changed();
}

void TOvcFixedFont::Assign(const TOvcFixedFont& source)
{
  TOvcFont font = source.font_;
  if (!FindFace(font.Name))
    font.Name = font_.Name;
  font_ = font;
  Changed();
}

void TOvcFixedFont::Assign(const TOvcFont& source)
{
  const std::string* face = FindFace(source.Name);
  if (!face)
    throw EInvalidFixedFont();
  font_ = source;
  font_.Name = *face;
  Changed();
}

void TOvcFixedFont::Changed()
{
  if (OnChange)
    OnChange();
}

}  // namespace controls
