// Where button table files are read from and written to. The platform supplies one; tests
// supply their own to make a write fail half way.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class TTableFileSource {
public:
    virtual ~TTableFileSource() = default;
    // Fills buffer with up to size bytes; 0 at the end of the file. Raises EInOutError when
    // the file cannot be read.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// A new file that takes the place of the old one only when Commit succeeds; when the
// object goes away without that, the old file is left as it was.
class TTableFileTarget {
public:
    virtual ~TTableFileTarget() = default;
    // Raises EInOutError when the bytes cannot be written (a full disk, say).
    virtual void Write(std::string_view bytes) = 0;
    // Completes the new file and puts it in the old one's place; false when it cannot.
    virtual bool Commit() = 0;
};

class TTableFiles {
public:
    virtual ~TTableFiles() = default;
    // Nothing when the file cannot be opened.
    virtual std::unique_ptr<TTableFileSource> OpenForReading(const std::string& path) = 0;
    // Nothing when the new file cannot be created.
    virtual std::unique_ptr<TTableFileTarget> CreateForWriting(const std::string& path) = 0;
};
