// Shows the dialogs for a person, or saves pictures of them for the help pages and reviews.
//
//   DialogShots [--theme carbon|windows] [--out FOLDER] NAME...
//
// NAME is settings-basic, settings-detail, settings-env, crop-landscape, crop-portrait,
// rename or about. With --out every named dialog is saved as FOLDER/NAME.png, in a home
// folder of its own; without it the first one is shown for use with the user's own folders
// (OK in the settings writes the standard settings file) and what it gave is printed.
#include "app/crop/CropMouse.h"
#include "app/crop/XECrop.h"
#include "app/dialogs/ChaAbout.h"
#include "app/dialogs/FrmCrop.h"
#include "app/dialogs/FrmRename.h"
#include "app/dialogs/FrmSetting.h"
#include "app/support/AppTestEnv.h"
#include "gallery/ComQorCSS.h"
#include "util/XEInitPrj.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string_view>

using namespace qor;

namespace {

void UseCarbonTheme(QApplication& app)
{
    app.setStyle(QStyleFactory::create("Fusion"));
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(52, 52, 56));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(58, 58, 62));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::ToolTipBase, QColor(58, 58, 62));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(38, 110, 180));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Mid, QColor(90, 90, 96));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    app.setPalette(p);
}

struct TScene {
    TCustomImgLS list;
    std::unique_ptr<QDialog> dialog;
};

// The settings dialog on one tab, showing the standard design with a template chosen.
void SettingsOn(TScene& scene, int tab)
{
    auto* dialog = new TFrmSetting;
    TComQorCSS1 settings = TComQorCSS1::NewProjectSettings();
    settings.LoadFromFile(Folders().RscFolder + "stdSetting.qor");
    dialog->Init(settings);
    dialog->ApplyTemplateRow(0);
    dialog->Tabs->setCurrentIndex(tab);
    dialog->resize(900, 600);
    scene.dialog.reset(dialog);
}

// The crop dialog in the middle of a drag of the crop rectangle.
void CropDuring(TScene& scene, const std::string& picture, bool landscape)
{
    scene.list.AssignFileLS({picture});
    auto* dialog = new TFrmCrop(scene.list);
    dialog->resize(landscape ? 900 : 700, landscape ? 640 : 720);
    dialog->SetAspect(720, 300);
    scene.list.SetItemIndex(0);
    dialog->SetCropImage(scene.list.IdToPInfo(0));
    scene.dialog.reset(dialog);
}

using TSceneMaker = std::function<void(TScene&)>;

std::map<QString, TSceneMaker> Scenes(const std::string& pictures)
{
    return {
        {"settings-basic", [](TScene& s) { SettingsOn(s, 0); }},
        {"settings-detail", [](TScene& s) { SettingsOn(s, 1); }},
        {"settings-env", [](TScene& s) { SettingsOn(s, 2); }},
        {"crop-landscape", [=](TScene& s) { CropDuring(s, pictures + "/sunset.jpg", true); }},
        {"crop-portrait", [=](TScene& s) { CropDuring(s, pictures + "/forest.jpg", false); }},
        {"rename",
         [](TScene& s) {
             auto* dialog = new TFrmRename;
             dialog->SetProjectPath(QDir::homePath().toStdString() + "/summer.qor");
             s.dialog.reset(dialog);
         }},
        {"about", [](TScene& s) { s.dialog.reset(new TChaAbout); }},
    };
}

// What a dialog used by a person gave, once it is closed.
void PrintOutcome(TScene& scene)
{
    QDialog& dialog = *scene.dialog;
    if (auto* settings = dynamic_cast<TFrmSetting*>(&dialog); settings && settings->OKFlag())
        std::printf("standard settings written to %s\n", Folders().StdSettingFile.c_str());
    if (auto* crop = dynamic_cast<TFrmCrop*>(&dialog); crop && crop->OKFlag()) {
        TRect r = scene.list.IdToPInfo(0)->CropR; // all zero: the centred crop
        std::printf("crop stored: (%d, %d, %d, %d)\n", r.Left, r.Top, r.Right, r.Bottom);
    }
    if (auto* rename = dynamic_cast<TFrmRename*>(&dialog); rename && rename->OKFlag())
        std::printf("new project path: %s\n", rename->NewPath().c_str());
}

bool SavesPictures(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--out") return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // Pictures are taken in a home folder of their own: nothing of the person's is touched.
    std::optional<test::TAppTestEnv> env;
    if (SavesPictures(argc, argv))
        env.emplace();
    else
        TXEInitPrj().SetProjectName(TXEInitPrj::MainProjectName);
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString out;
    bool carbon = false;
    QStringList names;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == "--theme" && i + 1 < args.size())
            carbon = args[++i] == "carbon";
        else
            names << args[i];
    }
    if (carbon) UseCarbonTheme(app);
    auto scenes = Scenes(test::SamplePicturesFolder());
    if (names.isEmpty()) {
        std::fprintf(stderr,
                     "usage: DialogShots [--theme carbon|windows] [--out FOLDER] NAME...\n");
        for (const auto& [name, make] : scenes)
            std::fprintf(stderr, "  %s\n", qPrintable(name));
        return 2;
    }
    for (const QString& name : names) {
        auto found = scenes.find(name);
        if (found == scenes.end()) {
            std::fprintf(stderr, "unknown dialog: %s\n", qPrintable(name));
            return 2;
        }
        TScene scene;
        found->second(scene);
        scene.dialog->show();
        if (auto* crop = dynamic_cast<TFrmCrop*>(scene.dialog.get())) {
            QApplication::processEvents();
            crop->CropControl().RefreshPict();
            test::StartMove(crop->CropControl(), {-30, 20});
        }
        if (out.isEmpty()) {
            scene.dialog->exec();
            PrintOutcome(scene);
            return 0;
        }
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        QString file = QDir(out).filePath(name + ".png");
        if (!scene.dialog->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
