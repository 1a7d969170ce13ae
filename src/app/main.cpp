// qorgallery-gui [PROJECT.qor]: the desktop program. A second start wakes the running one,
// handing it the project to open, and ends.
#include "app/SingleInstance.h"
#include "app/Themes.h"
#include "app/platform/Translators.h"
#include "app/window/FrmSlider1.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("qorgallery-gui");
    qor::InstallTranslators(app);
    const QStringList arguments = QApplication::arguments();
    const QString project = arguments.size() > 1 ? QFileInfo(arguments[1]).absoluteFilePath() : QString();

    qor::TSingleInstance instance("qorslider");
    if (instance.SendToRunning(project)) return 0;
    // Without a running program of this user that took the project, this one starts; a name
    // that cannot be listened on only means that later starts open windows of their own.
    instance.Listen();
    qor::RememberDesktopTheme();
    qor::ApplyTheme(true);
    qor::TFrmSlider1 window;
    QObject::connect(&instance, &qor::TSingleInstance::MessageReceived, &window, &qor::TFrmSlider1::OnExecTwice);
    window.OnCreateChildForm(arguments);
    window.show();
    return app.exec();
}
