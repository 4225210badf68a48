#include "base/Exception.h"

std::string ErrorBoxText(const std::string& message)
{
    // Characters compare as unsigned bytes, so letters of the upper half sort after "." too.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}
