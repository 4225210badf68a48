#include "tests/support/WinTestSupport.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/VersionInfo.h"

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string TestProgramFolder()
{
    const std::string file = ProgramFileName();
    return file.substr(0, file.find_last_of("\\/") + 1);
}

TTempFolder::TTempFolder()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    for (;;) {
        path_ = std::string(temp) + "tavorin-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + "\\";
        if (::CreateDirectoryA(path_.c_str(), nullptr))
            return;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + path_);
    }
}

TTempFolder::~TTempFolder()
{
    RemoveTree(path_);
}

void RemoveTree(const std::string& path)
{
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(folder.c_str());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TChildProcess::TChildProcess(const std::string& commandLine, const std::string& workingFolder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + commandLine + " (error " + std::to_string(::GetLastError()) + ")");
    ::CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

TChildProcess::~TChildProcess()
{
    if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.get(), 99);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

DWORD TChildProcess::WaitForExit(std::chrono::milliseconds timeout)
{
    if (::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const std::string& text)
{
    struct Search {
        DWORD processId;
        const std::string* text;
        std::vector<HWND> found;
    } search{processId, &text, {}};
    ::EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            char title[256] = {};
            ::GetWindowTextA(window, title, sizeof title);
            if (owner == s->processId && *s->text == title)
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TMessageBoxWatcher::TMessageBoxWatcher(std::string caption) : caption_(std::move(caption))
{
    ::InitializeCriticalSection(&lock_);
    thread_ = std::thread([this] { Watch(); });
}

TMessageBoxWatcher::~TMessageBoxWatcher()
{
    ::EnterCriticalSection(&lock_);
    stop_ = true;
    ::LeaveCriticalSection(&lock_);
    thread_.join();
    ::DeleteCriticalSection(&lock_);
}

std::vector<std::string> TMessageBoxWatcher::Texts()
{
    ::EnterCriticalSection(&lock_);
    auto copy = texts_;
    ::LeaveCriticalSection(&lock_);
    return copy;
}

void TMessageBoxWatcher::Watch()
{
    for (;;) {
        ::EnterCriticalSection(&lock_);
        const bool stop = stop_;
        ::LeaveCriticalSection(&lock_);
        if (stop)
            return;
        HWND box = ::FindWindowA("#32770", caption_.c_str());
        if (box && ::IsWindowVisible(box)) {
            char text[1024] = {};
            ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            ::EnterCriticalSection(&lock_);
            texts_.push_back(text);
            ::LeaveCriticalSection(&lock_);
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
            // Wait for the box to go before looking for the next one.
            for (int i = 0; i < 250 && ::IsWindow(box); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
