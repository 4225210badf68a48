// Table files whose writes stop half way with an input/output error, as on a full disk;
// everything else goes to the real files underneath.
#pragma once

#include <string>

#include "base/Exception.h"
#include "settings/TableFiles.h"

class TFailingTableFiles : public TTableFiles {
public:
    explicit TFailingTableFiles(TTableFiles& files) : files_(files) {}
    std::unique_ptr<TTableFileSource> OpenForReading(const std::string& path) override
    {
        return files_.OpenForReading(path);
    }
    std::unique_ptr<TTableFileTarget> CreateForWriting(const std::string& path) override
    {
        auto target = files_.CreateForWriting(path);
        if (!target)
            return nullptr;
        return std::make_unique<TTarget>(std::move(target));
    }

private:
    class TTarget : public TTableFileTarget {
    public:
        explicit TTarget(std::unique_ptr<TTableFileTarget> target) : target_(std::move(target)) {}
        void Write(std::string_view bytes) override
        {
            target_->Write(bytes.substr(0, bytes.size() / 2));
            throw EInOutError("Disk full");
        }
        bool Commit() override { return target_->Commit(); }

    private:
        std::unique_ptr<TTableFileTarget> target_;
    };

    TTableFiles& files_;
};
