#include "platform/Exceptions.h"

namespace platform {

Exception::Exception(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}

EFileError::EFileError(const QString& message, const QString& path, const QString& reason)
    : Exception(message + path), path_(path), reason_(reason)
{
}

}  // namespace platform
