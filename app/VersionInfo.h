// Reads entries of a program's version record.
#pragma once

#include <string>

// An entry ("FileVersion", "CompanyName"...) of the string table "040904E4" of the given
// executable's version record; empty when the record or the entry is missing.
std::string ReadVersionString(const std::string& executable, const std::string& entry);

// The full path of the running program's executable file.
std::string ProgramFileName();
