#include "util/XEComShell.h"

#include "util/TextCodec.h"
#include "util/XEComFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace qor {

namespace {

constexpr int ShellTimeoutMs = 10000;
// How long xdg-open may take to hand a document to the desktop before it counts as running
// the application itself.
constexpr int OpenAnswerMs = 3000;

bool HasDesktop()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

bool HasSessionBus()
{
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return bus && *bus;
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

// An XDG folder variable; a relative value is invalid and ignored.
std::string XdgVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

// The value of one line XDG_<NAME>_DIR="..." of user-dirs.dirs: "$HOME" at its start
// expanded, backslash escapes undone; empty when the line is not of that form or the
// folder is not absolute.
std::string UserDirValue(std::string_view quoted)
{
    if (quoted.size() < 2 || quoted.front() != '"') return {};
    quoted.remove_prefix(1);
    std::string value;
    if (quoted.starts_with("$HOME") &&
        (quoted.size() == 5 || quoted[5] == '/' || quoted[5] == '"')) {
        value = HomeFolder();
        quoted.remove_prefix(5);
    }
    for (size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == '"') return value.starts_with('/') ? value : std::string();
        if (quoted[i] == '\\' && i + 1 < quoted.size()) ++i;
        value += quoted[i];
    }
    return {}; // no closing quote
}

void SkipBlanks(std::string_view& text)
{
    while (text.starts_with(' ') || text.starts_with('\t'))
        text.remove_prefix(1);
}

// Reads XDG_<NAME>_DIR from user-dirs.dirs; the last valid line wins, as in the desktop's
// own reader.
std::string UserDir(std::string_view name)
{
    std::string configHome = XdgVariable("XDG_CONFIG_HOME");
    fs::path config =
        !configHome.empty() ? fs::path(configHome) : fs::path(HomeFolder()) / ".config";
    std::ifstream in(config / "user-dirs.dirs");
    std::string key = "XDG_" + std::string(name) + "_DIR";
    std::string found;
    for (std::string line; std::getline(in, line);) {
        std::string_view rest = line;
        SkipBlanks(rest);
        if (!rest.starts_with(key)) continue;
        rest.remove_prefix(key.size());
        SkipBlanks(rest);
        if (!rest.starts_with('=')) continue;
        rest.remove_prefix(1);
        SkipBlanks(rest);
        if (std::string value = UserDirValue(rest); !value.empty()) found = value;
    }
    return found;
}

std::atomic<int64_t> LapStart{0};

int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Starts a program with its standard streams on /dev/null; -1 when it cannot start.
pid_t StartProgram(const std::vector<std::string>& argv)
{
    if (argv.empty()) return -1;
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

enum class TWaitResult { Ended, Lost, StillRunning };

// Waits at most timeoutMs for the program to end; its exit status, -1 when it was killed by
// a signal.
TWaitResult WaitForProgram(pid_t pid, int timeoutMs, int& exitStatus)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return TWaitResult::Ended;
        }
        if (ended < 0 && errno != EINTR) return TWaitResult::Lost; // cannot be waited for
        if (std::chrono::steady_clock::now() >= deadline) return TWaitResult::StillRunning;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void ReapWhenItEnds(pid_t pid)
{
    std::thread([pid] {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

} // namespace

int RunProgram(const std::vector<std::string>& argv, int timeoutMs)
{
    pid_t pid = StartProgram(argv);
    if (pid < 0) return -1;
    int status = -1;
    TWaitResult result = WaitForProgram(pid, timeoutMs, status);
    if (result == TWaitResult::StillRunning) {
        ::kill(pid, SIGKILL);
        WaitForProgram(pid, ShellTimeoutMs, status);
        return -1;
    }
    return result == TWaitResult::Ended ? status : -1;
}

bool OpenDocument(std::string_view path)
{
    if (path.empty() || !HasDesktop()) return false;
    pid_t pid = StartProgram({"xdg-open", std::string(path)});
    if (pid < 0) return false;
    int status = -1;
    switch (WaitForProgram(pid, OpenAnswerMs, status)) {
    case TWaitResult::Ended:
        return status == 0;
    case TWaitResult::Lost:
        return false;
    case TWaitResult::StillRunning:
        // Without a desktop environment of its own, xdg-open runs the application itself
        // and ends with it: the document is open.
        ReapWhenItEnds(pid);
        return true;
    }
    return false;
}

bool ShowInExplorer(std::string_view path, bool select)
{
    if (path.empty()) return false;
    std::string target = ExcludeTrailingSeparator(path);
    if (select && HasSessionBus()) {
        std::error_code ec;
        std::string absolute = fs::absolute(target, ec).string();
        if (RunProgram({"dbus-send", "--session", "--print-reply",
                        "--reply-timeout=" + std::to_string(ShellTimeoutMs),
                        "--dest=org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                        "org.freedesktop.FileManager1.ShowItems",
                        "array:string:file://" + PercentEncodePath(absolute), "string:"},
                       ShellTimeoutMs) == 0)
            return true;
    }
    std::error_code ec;
    std::string folder = (select || !fs::is_directory(target, ec))
                             ? fs::path(target).parent_path().string()
                             : target;
    return OpenDocument(folder.empty() ? "." : folder);
}

bool GetLinkFileInfo(std::string_view path, TLinkFileInfo& info)
{
    fs::path link(path);
    std::error_code ec;
    if (AsciiLower(link.extension().string()) != ".lnk" || !fs::is_symlink(link, ec)) return false;
    fs::path target = fs::read_symlink(link, ec);
    if (ec) return false;
    if (target.is_relative()) target = link.parent_path() / target;
    info = TLinkFileInfo{};
    info.Filename = target.lexically_normal().string();
    info.WorkDir = fs::path(info.Filename).parent_path().string();
    return true;
}

bool GetLinkTarget(std::string_view path, std::string& target)
{
    TLinkFileInfo info;
    target.clear();
    if (!GetLinkFileInfo(path, info)) return false;
    std::error_code ec;
    target = fs::is_directory(info.Filename, ec) ? IncludeTrailingSeparator(info.Filename)
                                                 : info.Filename;
    return true;
}

std::string GetSpecialFolder(TSpecialFolder folder)
{
    std::string home = HomeFolder();
    switch (folder) {
    case TSpecialFolder::Documents: {
        std::string dir = UserDir("DOCUMENTS");
        return !dir.empty() ? dir : home.empty() ? "" : home + "/Documents";
    }
    case TSpecialFolder::Pictures: {
        std::string dir = UserDir("PICTURES");
        return !dir.empty() ? dir : home.empty() ? "" : home + "/Pictures";
    }
    case TSpecialFolder::LocalAppData: {
        std::string dataHome = XdgVariable("XDG_DATA_HOME");
        if (!dataHome.empty()) return dataHome;
        return home.empty() ? "" : home + "/.local/share";
    }
    }
    return {};
}

void StartLap()
{
    LapStart = NowMs();
}

uint32_t GetLap()
{
    return static_cast<uint32_t>(NowMs() - LapStart);
}

} // namespace qor
