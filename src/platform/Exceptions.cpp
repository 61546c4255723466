#include "platform/Exceptions.h"

#include <utility>

namespace platform {

RuntimeException::RuntimeException(std::string message, int errorNumber)
    : Message(std::move(message)), ErrorNumber(errorNumber)
{
}

} // namespace platform
