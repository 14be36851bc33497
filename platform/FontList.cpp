#include "platform/FontList.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace platform {

std::vector<std::string> FixedPitchFontFamilies()
{
  std::vector<std::string> families;
  if (!QGuiApplication::instance())
    return families;
  for (const QString& family : QFontDatabase::families())
    if (QFontDatabase::isFixedPitch(family))
      families.push_back(family.toStdString());
  return families;
}

std::string SystemFixedFontFamily()
{
  if (!QGuiApplication::instance())
    return "monospace";
  return QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toStdString();
}

}  // namespace platform
