#include "settings/WinTableFiles.h"

#include <windows.h>

#include <algorithm>

#include "base/Exception.h"
#include "settings/ButtonTableFile.h"
#include "ui/Handles.h"

namespace {

EInOutError FileError(DWORD error)
{
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
        return EInOutError("Disk full");
    return EInOutError("I/O error " + std::to_string(error));
}

class TWinSource : public TTableFileSource {
public:
    explicit TWinSource(TFileHandle file) : file_(std::move(file)) {}
    std::size_t Read(char* buffer, std::size_t size) override
    {
        DWORD read = 0;
        if (!::ReadFile(file_.get(), buffer, static_cast<DWORD>(size), &read, nullptr))
            throw FileError(::GetLastError());
        return read;
    }

private:
    TFileHandle file_;
};

class TWinTarget : public TTableFileTarget {
public:
    TWinTarget(std::string path, std::string temporary, TFileHandle file)
        : path_(std::move(path)), temporary_(std::move(temporary)), file_(std::move(file)) {}
    ~TWinTarget() override
    {
        if (!committed_) {
            file_.reset();
            ::DeleteFileA(temporary_.c_str());
        }
    }
    void Write(std::string_view bytes) override
    {
        while (!bytes.empty()) {
            DWORD written = 0;
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
            if (!::WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr))
                throw FileError(::GetLastError());
            if (written == 0)
                throw FileError(ERROR_DISK_FULL);
            bytes.remove_prefix(written);
        }
    }
    bool Commit() override
    {
        if (!::FlushFileBuffers(file_.get()))
            throw FileError(::GetLastError());
        file_.reset();
        committed_ = ::MoveFileExA(temporary_.c_str(), path_.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        return committed_;
    }

private:
    std::string path_;
    std::string temporary_;
    TFileHandle file_;
    bool committed_ = false;
};

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

}  // namespace

std::unique_ptr<TTableFileSource> TWinTableFiles::OpenForReading(const std::string& path)
{
    TFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return nullptr;
    return std::make_unique<TWinSource>(std::move(file));
}

std::unique_ptr<TTableFileTarget> TWinTableFiles::CreateForWriting(const std::string& path)
{
    // A read-only file is not replaced, whoever asks: the system refuses to open one for
    // writing, and moving a new file over it is not to get round that.
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return nullptr;
    // The new file goes into the target's own folder, so that the final move stays on one
    // volume and replaces the old file in one step.
    char temporary[MAX_PATH];
    if (!::GetTempFileNameA(FolderOf(path).c_str(), "tav", 0, temporary))
        return nullptr;
    TFileHandle file(::CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ::DeleteFileA(temporary);
        return nullptr;
    }
    return std::make_unique<TWinTarget>(path, temporary, std::move(file));
}

void SaveTableFile(const TButtonTable& table, const std::string& path)
{
    TWinTableFiles files;
    SaveTableFile(table, path, files);
}

void LoadTableFile(TButtonTable& table, const std::string& path)
{
    TWinTableFiles files;
    LoadTableFile(table, path, files);
}
