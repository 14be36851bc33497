#include "grid/model/GridUnitRoutines.h"

#include "grid/model/TextRoutines.h"
#include "platform/Color.h"

namespace grid {

TtsCellValue PropertyDefault(TtsPropId id)
{
  switch (id) {
    case piColor:
      return int(platform::clNone);
    case piFont:
    case piCombo:
    case piDateTimeDef:
      return 0;  // no object
    case piReadOnly:
    case piAlign:
    case piIs3D:
    case piSelected:
      return false;
    case piAlignment:
    case piDropDownStyle:
      return 0;
    case piWordWrap:
    case piCellReadOnly:
    case piPictures:
      return 2;
    case piButtonType:
    case piHorzAlignment:
    case piVertAlignment:
      return 3;
    case piParentFont:
    case piParentCombo:
      return true;
    case piMaskName:
      return std::string();
    case piControlType:
      return 4;
    case piSpinOptions:
      return 7;
    case piSpinIncrement:
      return 1.0;
    default:
      return {};
  }
}

TtsHorzAlignment ReadLegacyAlignment(const std::string& identifier)
{
  if (SameTextIgnoringCase(identifier, "taRightJustify"))
    return htaRight;
  if (SameTextIgnoringCase(identifier, "taCenter"))
    return htaCenter;
  return htaLeft;
}

}  // namespace grid
