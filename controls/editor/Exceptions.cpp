#include "controls/editor/Exceptions.h"

#include "controls/editor/LibraryStringIds.h"
#include "controls/editor/LibraryStrings.h"

namespace controls {

EOutOfMemory::EOutOfMemory() : std::runtime_error(GetLibraryString(SCOutOfMemory)) {}
ENoTimersAvailable::ENoTimersAvailable() : EOvcException(GetLibraryString(SCNoTimersAvail)) {}
ENoControllerAssigned::ENoControllerAssigned() : EControllerError(GetLibraryString(SCNoControllerAssigned)) {}
EDuplicateCommand::EDuplicateCommand() : ECmdProcessorError(GetLibraryString(SCDuplicateCommand)) {}
ETableNotFound::ETableNotFound() : ECmdProcessorError(GetLibraryString(SCTableNotFound)) {}
EInvalidLineOrCol::EInvalidLineOrCol() : EEditorError(GetLibraryString(SCInvalidLineOrCol)) {}
EInvalidLineOrPara::EInvalidLineOrPara() : EEditorError(GetLibraryString(SCInvalidLineOrPara)) {}
ERegionTooLarge::ERegionTooLarge() : EViewerError(GetLibraryString(SCRegionTooLarge)) {}
EInvalidFixedFont::EInvalidFixedFont() : EFixedFontError(GetLibraryString(SCInvalidFixedFont)) {}

}  // namespace controls
