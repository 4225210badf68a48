// Helpers for tests that drive real windows and processes.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ui/Handles.h"

// Polls until condition() holds or the time is up; returns the last result.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The folder of the running test program, with a trailing backslash.
std::string TestProgramFolder();

// A fresh folder under the temporary folder, removed with its files at the end of the scope.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    const std::string& Path() const { return path_; }  // with a trailing backslash
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
void RemoveTree(const std::string& path);

// A started program; terminated at the end of the scope if it still runs.
class TChildProcess {
public:
    TChildProcess(const std::string& commandLine, const std::string& workingFolder = {});
    ~TChildProcess();
    TChildProcess(TChildProcess&&) = default;
    DWORD Id() const { return id_; }
    HANDLE Process() const { return process_.get(); }
    // Waits for the end; returns the exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    THandle process_;
    DWORD id_ = 0;
};

// Visible or hidden top-level windows of one process with the given text.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const std::string& text);

// Watches for a message box captioned `caption` from another thread, records its text and
// presses its default button.
class TMessageBoxWatcher {
public:
    explicit TMessageBoxWatcher(std::string caption = "Tavorin");
    ~TMessageBoxWatcher();
    // Texts of the boxes closed so far.
    std::vector<std::string> Texts();

private:
    void Watch();
    std::string caption_;
    bool stop_ = false;
    CRITICAL_SECTION lock_;
    std::vector<std::string> texts_;
    std::thread thread_;
};
