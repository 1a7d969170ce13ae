#include "app/support/AppTestEnv.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cstdlib>

namespace qor::test {

TAppTestEnv::TAppTestEnv() : FHome(FDir.path())
{
    const std::string home = FHome.toStdString();
    // No desktop: pages and folders the program opens go nowhere.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("HOME", home.c_str(), 1);
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        std::string folder = home + "/" + name;
        QDir().mkpath(QString::fromStdString(folder));
        QFile::setPermissions(QString::fromStdString(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setenv(name, folder.c_str(), 1);
    }
    // A box that no test answers must not wait for a person.
    SetMsgAnswerer(EscapeFromUnexpectedBox);
}

TMsgButton EscapeFromUnexpectedBox(const std::string& text, unsigned buttons, TMsgKind)
{
    qWarning("message box nobody expected: %s", text.c_str());
    for (TMsgButton button : {mbCancel, mbNo, mbYes, mbOK})
        if (buttons & button) return button;
    return mbOK;
}

std::string SamplePicturesFolder()
{
    return std::string(QOR_SOURCE_DIR) + "/samples/pictures";
}

} // namespace qor::test
