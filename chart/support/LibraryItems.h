#pragma once
// Small library items: export extensions, the hand cursor, class pictures by name and unique
// component names.

#include "platform/Cursors.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <span>

namespace platform {
class TBitmap;
}

namespace chart {

inline constexpr std::array<const char*, 4> kExportExtensions = {"BMP", "WMF", "EMF", "TEE"};
// The extension of an export format; an index out of range gives "".
QString ExportExtension(int index);

inline constexpr platform::TCursor crTeeHand = 2020;
inline constexpr const char* kTeeHandName = "crTeeHand";
// Registers the hand cursor (a pointing hand) under crTeeHand.
void RegisterTeeHandCursor();
// "crTeeHand" and the class library's cursor names; false when the name is unknown.
bool CursorFromName(const QString& name, platform::TCursor& cursor);
bool CursorName(platform::TCursor cursor, QString& name);

// Pictures of the series and function classes, by class name (the gallery's buttons).
class TClassImages {
public:
  void Add(const QString& className, const QImage& image);
  // The picture of the first class of the chain that has one (a class, then its ancestors); the
  // bitmap is left unchanged when none has.
  bool LoadClassImage(std::span<const QString> classChain, platform::TBitmap& bitmap) const;

private:
  std::map<QString, QImage> images_;
};

// baseName followed by 1, 2, 3, ..., the first that isTaken refuses.
QString MakeUniqueName(const QString& baseName, const std::function<bool(const QString&)>& isTaken);
// The first such name that no child of owner carries.
QString MakeUniqueName(const QObject& owner, const QString& baseName);

}  // namespace chart
