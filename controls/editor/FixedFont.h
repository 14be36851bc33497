#pragma once
// A font restricted to the machine's fixed-pitch faces.

#include "platform/Color.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace controls {

using TFontStyles = std::uint8_t;
inline constexpr TFontStyles fsBold = 1;
inline constexpr TFontStyles fsItalic = 2;
inline constexpr TFontStyles fsUnderline = 4;
inline constexpr TFontStyles fsStrikeOut = 8;

// A plain font description.
struct TOvcFont {
  std::string Name;
  int Size = 8;
  TFontStyles Style = 0;
  platform::TColor Color = platform::clBlack;
  bool operator==(const TOvcFont&) const = default;
};

// The fixed-pitch faces of the screen, built once; the platform's fixed font when there are none.
const std::vector<std::string>& FixedPitchFaces();

class TOvcFixedFont {
 public:
  TOvcFixedFont();  // the first face of FixedPitchFaces()
  explicit TOvcFixedFont(std::vector<std::string> faces);

  const TOvcFont& Font() const { return font_; }
  const std::string& Name() const { return font_.Name; }
  int Size() const { return font_.Size; }
  TFontStyles Style() const { return font_.Style; }
  platform::TColor Color() const { return font_.Color; }

  void SetName(const std::string& name);  // ignored for a face that is not fixed-pitch
  void SetSize(int size);
  void SetStyle(TFontStyles style);
  void SetColor(platform::TColor color);
  void Assign(const TOvcFixedFont& source);
  // Raises EInvalidFixedFont for a face that is not fixed-pitch.
  void Assign(const TOvcFont& source);

  const std::vector<std::string>& Faces() const { return faces_; }
  bool IsFixedFace(const std::string& name) const;

  std::function<void()> OnChange;

 private:
  void Changed();
  const std::string* FindFace(const std::string& name) const;

  std::vector<std::string> faces_;
  TOvcFont font_;
};

}  // namespace controls
