#include "settings/ButtonTableFile.h"

#include <array>

#include "settings/ButtonTableCodec.h"

void SaveTableFile(const TButtonTable& table, const std::string& path, TTableFiles& files)
{
    const auto target = files.CreateForWriting(path);
    if (!target)
        throw EButtonTableError("Cannot Create " + path);
    target->Write(EncodeTableFile(table));
    if (!target->Commit())
        throw EButtonTableError("Cannot Create " + path);
}

void LoadTableFile(TButtonTable& table, const std::string& path, TTableFiles& files)
{
    const auto source = files.OpenForReading(path);
    if (!source)
        throw EButtonTableError("Cannot open file " + path);
    TTableFileParser parser(table);
    std::array<char, 64 * 1024> buffer;
    while (const auto count = source->Read(buffer.data(), buffer.size()))
        if (!parser.Feed({buffer.data(), count}))
            break;
    parser.Finish();
    table.Changed();
}
