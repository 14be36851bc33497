#pragma once
// Ids of the editor library's texts.

#include <cstdint>

namespace controls {

inline constexpr std::int32_t SCUnknownError = 30168;
inline constexpr std::int32_t SCDuplicateCommand = 30169;
inline constexpr std::int32_t SCTableNotFound = 30170;
inline constexpr std::int32_t SCNoControllerAssigned = 30172;
inline constexpr std::int32_t SCRegionTooLarge = 30186;
inline constexpr std::int32_t SCNoClipboardMemory = 30187;
inline constexpr std::int32_t SCNoTimersAvail = 30189;
inline constexpr std::int32_t SCOutOfMemory = 30197;
inline constexpr std::int32_t SCTooManyParas = 30198;
inline constexpr std::int32_t SCCannotJoinParas = 30199;
inline constexpr std::int32_t SCBufferTooBig = 30200;
inline constexpr std::int32_t SCParaTooLong = 30201;
inline constexpr std::int32_t SCInvalidLineOrPara = 30213;
inline constexpr std::int32_t SCInvalidFixedFont = 30214;
inline constexpr std::int32_t SCInvalidLineOrCol = 30216;
inline constexpr std::int32_t SCViewerIOError = 30232;
inline constexpr std::int32_t SCViewerFileNotFound = 30233;
inline constexpr std::int32_t SCViewerPathNotFound = 30234;
inline constexpr std::int32_t SCViewerTooManyOpenFiles = 30235;
inline constexpr std::int32_t SCViewerFileAccessDenied = 30236;
inline constexpr std::int32_t SCLabelNotAttached = 30244;
inline constexpr std::int32_t SCGridTableName = 30266;
inline constexpr std::int32_t SCDefaultTableName = 30275;
inline constexpr std::int32_t SCWordStarTableName = 30276;
inline constexpr std::int32_t SCUnknownTableName = 30277;
inline constexpr std::int32_t SCAlphaString = 30281;
inline constexpr std::int32_t SCTallLowChars = 30282;
inline constexpr std::int32_t SCCommandNameBase = 33768;  // + command code 0..75

// Reader messages.
inline constexpr std::int32_t SRStringNotFound = 1;
inline constexpr std::int32_t SRCannotLock = 2;
inline constexpr std::int32_t SRResourceNotFound = 3;
inline constexpr std::int32_t SRCannotOpen = 4;
inline constexpr std::int32_t SRInvalidResource = 5;

}  // namespace controls
