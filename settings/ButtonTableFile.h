// Saving and loading the button table file ("Tavorin.dat").
#pragma once

#include <string>

#include "base/Exception.h"
#include "settings/ButtonTable.h"
#include "settings/TableFiles.h"

// "Cannot Create <path>" and "Cannot open file <path>".
class EButtonTableError : public Exception {
public:
    using Exception::Exception;
};

// Writes the whole table. The old file is replaced only once the new one is complete: when
// the file cannot be created or put in place, EButtonTableError "Cannot Create <path>";
// when a write fails, EInOutError; either way the old file stays as it was.
void SaveTableFile(const TButtonTable& table, const std::string& path, TTableFiles& files);

// Reads a file into the table (which is not cleared first) and asks the grid to repaint.
// EButtonTableError "Cannot open file <path>" when it cannot be opened.
void LoadTableFile(TButtonTable& table, const std::string& path, TTableFiles& files);
