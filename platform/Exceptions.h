#pragma once
// Errors raised by the platform layer and shown by the exception boundary in a message box.

#include <QString>
#include <stdexcept>

namespace platform {

// An error with a user-facing message (Unicode; what() gives it as UTF-8).
class Exception : public std::runtime_error {
 public:
  explicit Exception(const QString& message);
  const QString& Message() const { return message_; }

 private:
  QString message_;
};

// A file could not be opened, read, created or written; Message() is the system's text with the path.
class EFileError : public Exception {
 public:
  EFileError(const QString& message, const QString& path, const QString& reason = {});
  const QString& Path() const { return path_; }
  const QString& Reason() const { return reason_; }  // the operating system's explanation, if any

 private:
  QString path_;
  QString reason_;
};

// The clipboard could not be opened or did not take the data.
class EClipboardError : public Exception {
 public:
  using Exception::Exception;
};

// Message texts of file errors; the path follows each.
inline const char* const kCantCreateFile = "Can't create file ";
inline const char* const kCantReadFile = "Can't read file ";
inline const char* const kCantOpenFile = "Can't open file ";
inline const char* const kCantOpenClipboard = "Cannot open clipboard";

}  // namespace platform
