#include "app/DataDirectory.h"

#include "base/Strings.h"

std::string DataDirectory;

namespace {
std::string InQuennorFolder(const std::string& base)
{
    return base + "\\Quennor\\" + "Tavorin" + "\\";
}
}

std::string VersionPrefix(const std::string& fileVersion)
{
    return Copy(fileVersion, 1, 3);
}

std::string UserFilesPathKey(const std::string& versionPrefix)
{
    return "SOFTWARE\\Quennor Software\\Tavorin\\" + versionPrefix;
}

std::string ChooseDataDirectory(TDataDirectorySources& sources)
{
    const std::string prefix = VersionPrefix(sources.FileVersion());
    std::string candidate;
    if (const auto documents = sources.CommonDocumentsFolder()) {
        candidate = InQuennorFolder(*documents);
    } else {
        const std::string userFiles = sources.UserFilesPath(UserFilesPathKey(prefix));
        candidate = userFiles.empty() ? sources.ProgramFolder() : InQuennorFolder(userFiles);
    }
    if (!sources.DirectoryExists(candidate))
        return sources.ProgramFolder();
    return candidate;
}
