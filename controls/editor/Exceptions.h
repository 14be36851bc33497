#pragma once
// The editor library's exceptions; the fixed messages come from the library's string table.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace controls {

class EOvcException : public std::runtime_error {
 public:
  explicit EOvcException(const std::string& message, std::int32_t errorCode = 0)
      : std::runtime_error(message), ErrorCode(errorCode) {}
  std::int32_t ErrorCode;
};

// An allocation failed while creating a paragraph.
class EOutOfMemory : public std::runtime_error {
 public:
  EOutOfMemory();
};

class ENoTimersAvailable : public EOvcException {
 public:
  ENoTimersAvailable();
};

class EControllerError : public EOvcException {
  using EOvcException::EOvcException;
};
class ENoControllerAssigned : public EControllerError {
 public:
  ENoControllerAssigned();
};

class ECmdProcessorError : public EOvcException {
  using EOvcException::EOvcException;
};
class EDuplicateCommand : public ECmdProcessorError {
 public:
  EDuplicateCommand();
};
class ETableNotFound : public ECmdProcessorError {
 public:
  ETableNotFound();
};
// A command-table file or stream that cannot be read or written (I/O, bad numbers, values out of range).
class ECommandTableFileError : public ECmdProcessorError {
  using ECmdProcessorError::ECmdProcessorError;
};

class EEditorError : public EOvcException {
  using EOvcException::EOvcException;
};
class EInvalidLineOrCol : public EEditorError {
 public:
  EInvalidLineOrCol();
};
class EInvalidLineOrPara : public EEditorError {
 public:
  EInvalidLineOrPara();
};

class EViewerError : public EOvcException {
  using EOvcException::EOvcException;
};
class ERegionTooLarge : public EViewerError {
 public:
  ERegionTooLarge();
};

class EFixedFontError : public EOvcException {
  using EOvcException::EOvcException;
};
class EInvalidFixedFont : public EFixedFontError {
 public:
  EInvalidFixedFont();
};

// Faults of a string-table reader.
class ETpsStringResourceError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace controls
