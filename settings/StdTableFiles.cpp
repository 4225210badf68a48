#include "settings/StdTableFiles.h"

#include <random>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/Exception.h"

namespace {

class TStdSource : public TTableFileSource {
public:
    explicit TStdSource(std::ifstream stream) : stream_(std::move(stream)) {}
    std::size_t Read(char* buffer, std::size_t size) override
    {
        stream_.read(buffer, static_cast<std::streamsize>(size));
        if (stream_.bad())
            throw EInOutError("Read error");
        return static_cast<std::size_t>(stream_.gcount());
    }

private:
    std::ifstream stream_;
};

class TStdTarget : public TTableFileTarget {
public:
    TStdTarget(std::filesystem::path path, std::filesystem::path temporary, std::ofstream stream)
        : path_(std::move(path)), temporary_(std::move(temporary)), stream_(std::move(stream)) {}
    ~TStdTarget() override
    {
        if (!committed_) {
            stream_.close();
            std::error_code ignored;
            std::filesystem::remove(temporary_, ignored);
        }
    }
    void Write(std::string_view bytes) override
    {
        if (!stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
            throw EInOutError("Write error");
    }
    bool Commit() override
    {
        stream_.close();
        if (stream_.fail())
            throw EInOutError("Write error");
        std::error_code error;
        std::filesystem::rename(temporary_, path_, error);
        committed_ = !error;
        return committed_;
    }

private:
    std::filesystem::path path_;
    std::filesystem::path temporary_;
    std::ofstream stream_;
    bool committed_ = false;
};

}  // namespace

std::unique_ptr<TTableFileSource> TStdTableFiles::OpenForReading(const std::string& path)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return nullptr;
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return nullptr;
    return std::make_unique<TStdSource>(std::move(stream));
}

std::unique_ptr<TTableFileTarget> TStdTableFiles::CreateForWriting(const std::string& path)
{
    const std::filesystem::path target(path);
    const auto unique = std::to_string(std::random_device{}());
    const auto temporary = target.parent_path() / (target.filename().string() + "." + unique + ".tmp~");
    std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
    if (!stream)
        return nullptr;
    return std::make_unique<TStdTarget>(target, temporary, std::move(stream));
}
