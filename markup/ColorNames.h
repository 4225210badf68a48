// The colour names captions may use ("clRed", "clBtnFace", ...).
#pragma once

#include "base/Types.h"

#include <string>

// The colour of a lower-case name such as "clred"; black for a name not in the table.
TColor ColorOfName(const std::string& lowerCaseName);
