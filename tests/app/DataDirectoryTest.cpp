#include "app/DataDirectory.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct FakeSources : TDataDirectorySources {
    std::string version = "1.0.0.5";
    std::optional<std::string> documents;
    std::map<std::string, std::string> registry;  // key -> UserFilesPath
    std::set<std::string> folders;
    std::string program = "C:\\Program Files\\Tavorin\\";
    std::string askedKey;

    std::string FileVersion() override { return version; }
    std::optional<std::string> CommonDocumentsFolder() override { return documents; }
    std::string UserFilesPath(const std::string& key) override
    {
        askedKey = key;
        auto it = registry.find(key);
        return it == registry.end() ? std::string() : it->second;
    }
    std::string ProgramFolder() override { return program; }
    bool DirectoryExists(const std::string& path) override { return folders.count(path) != 0; }
};

const std::string kKey = "SOFTWARE\\Quennor Software\\Tavorin\\1.0";

}  // namespace

TEST(DataDirectory, ResolvesEachSourceInTurn)
{
    struct Case {
        const char* name;
        std::optional<std::string> documents;
        std::optional<std::string> userFiles;  // registry value under kKey
        std::set<std::string> folders;
        std::string expected;
    };
    const std::string program = "C:\\Program Files\\Tavorin\\";
    const Case cases[] = {
        {"documents folder present", "C:\\Users\\Public\\Documents", "D:\\Data",
         {"C:\\Users\\Public\\Documents\\Quennor\\Tavorin\\"},
         "C:\\Users\\Public\\Documents\\Quennor\\Tavorin\\"},
        {"documents folder absent: program folder, registry not used", "C:\\Users\\Public\\Documents",
         "D:\\Data", {"D:\\Data\\Quennor\\Tavorin\\"}, program},
        {"shell fails: registry value", std::nullopt, "D:\\Data", {"D:\\Data\\Quennor\\Tavorin\\"},
         "D:\\Data\\Quennor\\Tavorin\\"},
        {"registry value with trailing backslash keeps the doubled one", std::nullopt, "D:\\Data\\",
         {"D:\\Data\\\\Quennor\\Tavorin\\"}, "D:\\Data\\\\Quennor\\Tavorin\\"},
        {"registry folder absent", std::nullopt, "D:\\Data", {}, program},
        {"empty registry value", std::nullopt, "", {"\\Quennor\\Tavorin\\"}, program},
        {"missing registry value", std::nullopt, std::nullopt, {}, program},
    };
    for (const auto& c : cases) {
        FakeSources sources;
        sources.documents = c.documents;
        if (c.userFiles)
            sources.registry[kKey] = *c.userFiles;
        sources.folders = c.folders;
        EXPECT_EQ(ChooseDataDirectory(sources), c.expected) << c.name;
    }
}

TEST(DataDirectory, RegistryKeyCarriesTheVersionPrefix)
{
    FakeSources sources;
    ChooseDataDirectory(sources);
    EXPECT_EQ(sources.askedKey, kKey);

    sources.version = "";
    ChooseDataDirectory(sources);
    EXPECT_EQ(sources.askedKey, "SOFTWARE\\Quennor Software\\Tavorin\\");

    EXPECT_EQ(VersionPrefix("12.3.4"), "12.");
}

TEST(DataDirectory, ProgramFolderFallbackEndsInBackslash)
{
    FakeSources sources;
    sources.program = "Z:\\apps\\";
    EXPECT_EQ(ChooseDataDirectory(sources).back(), '\\');
}
