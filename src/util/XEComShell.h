// The calls into the desktop of XECom, as Linux desktops offer them. Each answers failure
// instead of waiting when no desktop session is present.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Opens a file, folder or web address with its default application (xdg-open); true when
// the desktop took the request, or xdg-open still runs the application after a few seconds.
bool OpenDocument(std::string_view path);
// Shows the folder of path in the file manager, with the file selected when select is
// true (freedesktop FileManager1 over the session bus, else the folder with xdg-open).
bool ShowInExplorer(std::string_view path, bool select);

// What a shortcut names. On Linux a shortcut is a symbolic link standing where the system
// expects a ".lnk" file.
struct TLinkFileInfo {
    std::string Filename;
    std::string WorkDir;
    std::string Arguments;
    uint16_t Hotkey = 0;
    int ShowCmd = 0;
};
bool GetLinkFileInfo(std::string_view path, TLinkFileInfo& info);
// The shortcut's target, with a trailing separator when it is an existing folder; empty on
// failure.
bool GetLinkTarget(std::string_view path, std::string& target);

enum class TSpecialFolder { Documents, Pictures, LocalAppData };
// The folder of the desktop's user directories (XDG), empty when it cannot be found.
std::string GetSpecialFolder(TSpecialFolder folder);

// Runs a program with its arguments, waiting at most timeoutMs; its exit status, or -1
// when it could not start or did not end in time.
int RunProgram(const std::vector<std::string>& argv, int timeoutMs);

void StartLap();
// Milliseconds since StartLap.
uint32_t GetLap();

} // namespace qor
