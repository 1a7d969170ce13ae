// The window never loses, misplaces or destroys the user's work: failed opens, emptied
// projects, builds while the project changes, typed texts on every path that reloads the
// editors, projects that were only looked at, and second starts at awkward moments.
#include "app/window/WindowTestSupport.h"

#include "app/SingleInstance.h"
#include "app/dialogs/FrmSetting.h"
#include "support/TempDir.h"
#include "util/UnitMsg.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <filesystem>
#include <functional>

using namespace qor;
using namespace qor::test;
using enum TCommandId;
namespace fs = std::filesystem;

namespace {

// A project of n sample pictures titled "<prefix>0", "<prefix>1", … saved at path.
void SaveTitledProject(TFrmSlider1& window, const std::string& path, int n, const std::string& prefix)
{
    window.OpenProject("", false);
    window.XEImgLS1().AssignFileLS(SamplePictures(n));
    for (int i = 0; i < n; ++i) window.XEImgLS1().IdToPInfo(i)->user.Title = prefix + std::to_string(i);
    QVERIFY(window.SaveProject(path, true));
}

std::string TrashedCopy(const std::string& path)
{
    return qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/Trash/files/" + fs::path(path).filename().string();
}

// Runs body while a modal dialog is open, as a question of the window would be.
void WithModalOpen(const std::function<void()>& body)
{
    QDialog question;
    question.setModal(true);
    question.show();
    QVERIFY(QApplication::activeModalWidget() == &question);
    body();
    question.close();
}

} // namespace

class TKeepingWorkTest : public QObject {
    Q_OBJECT
private slots:
    void AProjectThatFailsToOpenLeavesThePreviousOneAsItWas();
    void OnlyAProjectTheUserEmptiedIsOfferedForTheTrash();
    void ABuildWritesTheProjectItStartedWithWhateverIsOpenedMeanwhile();
    void TypedTextSurvivesEveryPathThatReloadsTheEditors();
    void CancelInTheSettingsLeavesEveryTabAsItWas();
    void ANewProjectDoesNotInheritTheLastGallery();
    void AProjectOnlyLookedAtAsksNothing();
    void ASecondStartDuringAQuestionOpensItsProjectAfterwards();
    void SmallThingsDoWhatTheUserMeant();
    void AProjectMadeReadOnlyStaysAsItIs();
};

void TKeepingWorkTest::AProjectThatFailsToOpenLeavesThePreviousOneAsItWas()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    const std::string good = (dir / "good.qor").string();
    SaveTitledProject(*window, good, 3, "g");
    const std::string bytes = qortest::ReadAll(good);
    const std::string damaged = dir.Write("damaged.qor", "TPF0\x0bTComQorCSS1\x07QorCSS1garbage").string();
    const std::string moved = (dir / "moved.qor").string();
    for (const std::string& failing : {damaged, moved}) {
        TScriptedAnswers answers;
        QVERIFY(!window->OpenProject(failing, true));
        QCOMPARE(answers.Asked.size(), size_t(1));
        QVERIFY(answers.Asked.front().starts_with("[Err] "));
        QCOMPARE(window->LastProject(), good);
        QCOMPARE(window->XEImgLS1().Count(), 3);
        QCOMPARE(window->XEImgLS1().IdToPInfo(2)->user.Title, std::string("g2"));
    }
    // Saving and closing after the failure touch only what the good project holds.
    TScriptedAnswers answers;
    QTRY_VERIFY_WITH_TIMEOUT(!window->XEImgLS1().LoadersAlive(), 20000);
    window->Action(ActSavePrj)->trigger();
    QVERIFY(window->close());
    QCOMPARE(answers.Asked, std::vector<std::string>{});
    QCOMPARE(qortest::ReadAll(good), bytes);
}

void TKeepingWorkTest::OnlyAProjectTheUserEmptiedIsOfferedForTheTrash()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    const std::string path = (dir / "emptied.qor").string();
    SaveTitledProject(*window, path, 2, "e");
    window->XEImgLS1().SelectALL(true, true, false);
    window->XEImgLS1().Delete();
    TScriptedAnswers answers;
    answers.Answers = {mbYes};
    QVERIFY(window->SaveProject(path, true));
    QCOMPARE(answers.Asked, std::vector<std::string>{FormatMsg(10, {"emptied.qor"})});
    QVERIFY(!fs::exists(path));
    QVERIFY(fs::exists(TrashedCopy(path))); // recoverable
    QCOMPARE(window->LastProject(), std::string());

    // A project file that held no pictures when it was opened is the user's as it is.
    const std::string empty = (dir / "empty.qor").string();
    window->OpenProject("", false);
    window->QorCSS1().AttrLS.clear();
    window->QorCSS1().SaveToFile(empty);
    answers.Asked.clear();
    QVERIFY(window->OpenProject(empty, false));
    QTRY_VERIFY_WITH_TIMEOUT(!window->XEImgLS1().LoadersAlive(), 20000);
    QVERIFY(window->close());
    QCOMPARE(answers.Asked, std::vector<std::string>{});
    QVERIFY(fs::exists(empty));
}

void TKeepingWorkTest::ABuildWritesTheProjectItStartedWithWhateverIsOpenedMeanwhile()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    const std::string other = (dir / "other.qor").string();
    SaveTitledProject(*window, other, 2, "other");
    window->QorCSS1().SetOutFolder((dir / "other-site").string() + "/");
    window->SaveProject(other, true);
    const std::string big = (dir / "big.qor").string();
    SaveTitledProject(*window, big, 100, "big");
    window->EdOutDir->setText(QString::fromStdString((dir / "big-site").string()));
    QSignalSpy ended(window.get(), &TFrmSlider1::MakeEnded);
    TScriptedAnswers answers;
    window->Action(ActMake)->trigger();
    QVERIFY(window->Building());
    RunUntilIdle();
    QVERIFY(!window->Action(ActOpen)->isEnabled());
    QVERIFY(!window->Action(ActNewPrj)->isEnabled());
    // A project dropped (or named by a second start) during the build waits for its end.
    window->OpenProjectWhenFree(other);
    QCOMPARE(window->LastProject(), big);
    QVERIFY(ended.wait(120000));
    QCOMPARE(ended.front().front().value<TMakeOutcome>(), TMakeOutcome::PageWritten);
    QTRY_COMPARE(window->LastProject(), other);
    const std::string page = qortest::ReadAll(dir / "big-site" / "index.html");
    QVERIFY(page.find("big99") != std::string::npos);
    QVERIFY(page.find("other0") == std::string::npos);
    QVERIFY(fs::exists(dir / "big-site" / "img" / "img100.jpg"));
    QVERIFY(!fs::exists(dir / "other-site"));
}

void TKeepingWorkTest::TypedTextSurvivesEveryPathThatReloadsTheEditors()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    window->XEImgLS1().AssignFileLS(SamplePictures(3));
    const std::string project = (dir / "typed.qor").string();
    TScriptedAnswers answers;
    // The crop dialog opens modally; it is closed as soon as it shows.
    auto closeModalSoon = [] {
        QTimer::singleShot(50, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
    };
    const std::vector<std::pair<const char*, std::function<void()>>> paths = {
        {"F7", [&] { QTest::keyClick(window->EdSpanTitle, Qt::Key_F7); }},
        {"theme menu", [&] { window->Action(ActStyleCarbon)->trigger(); }},
        {"page switch", [&] { window->Action(ActTabMake)->trigger(); window->Action(ActTabImgLS)->trigger(); }},
        {"crop", [&] { closeModalSoon(); window->Action(ActCrop)->trigger(); }},
        {"settings", [&] { closeModalSoon(); window->Action(ActSetting)->trigger(); }},
        {"sort", [&] { window->Action(ActSortTitle)->trigger(); }},
        {"rotate", [&] { window->Action(ActRotateRight)->trigger(); }},
        {"save", [&] { window->SaveProject(project, true); }},
    };
    for (const auto& [name, path] : paths) {
        SelectEntries(*window, {1});
        PThumbInfo entry = window->XEImgLS1().IdToPInfo(1);
        const QString typed = QString("typed before ") + name;
        window->EdSpanTitle->setFocus();
        window->EdSpanTitle->setText(typed);
        path();
        QCOMPARE(QString::fromStdString(entry->user.Title), typed);
    }
}

void TKeepingWorkTest::CancelInTheSettingsLeavesEveryTabAsItWas()
{
    auto window = NewWindow();
    TFrmSetting& dialog = window->FrmSetting();
    const TSettingOptions before = dialog.Options();
    TComQorCSS1 designBefore = window->QorCSS1();
    dialog.Form2QorCSS(designBefore);
    QTimer::singleShot(50, [&dialog] {
        dialog.ChWaterMark->setChecked(true);
        dialog.ChRemoveWorkDir->setChecked(true);
        dialog.ChDemoMode->setChecked(true);
        dialog.cbTransit->setCurrentIndex(dialog.cbTransit->currentIndex() + 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    window->Action(ActSetting)->trigger();
    const TSettingOptions after = dialog.Options();
    QCOMPARE(after.ChWaterMark, before.ChWaterMark);
    QCOMPARE(after.ChRemoveWorkDir, before.ChRemoveWorkDir);
    QCOMPARE(after.ChDemoMode, before.ChDemoMode);
    TComQorCSS1 designAfter = window->QorCSS1();
    dialog.Form2QorCSS(designAfter);
    QCOMPARE(designAfter.TransitIndex, designBefore.TransitIndex);
    // A new project takes the dialog's values: not the cancelled ones.
    TScriptedAnswers answers;
    window->Action(ActNewPrj)->trigger();
    QCOMPARE(window->QorCSS1().TransitIndex, designBefore.TransitIndex);
}

void TKeepingWorkTest::ANewProjectDoesNotInheritTheLastGallery()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    const std::string path = (dir / "last.qor").string();
    SaveTitledProject(*window, path, 2, "l");
    window->QorCSS1().SetOutFolder((dir / "last-site").string() + "/");
    window->SaveProject(path, true);
    QVERIFY(window->OpenProject(path, false));
    QCOMPARE(window->EdOutDir->text().toStdString(), (dir / "last-site").string() + "/");
    window->OpenProject("", false);
    QCOMPARE(window->EdOutDir->text(), QString());
    QCOMPARE(window->QorCSS1().OutFolder, std::string());
    window->XEImgLS1().AssignFileLS(SamplePictures(1));
    QString proposedFolder;
    QTimer::singleShot(100, [&proposedFolder] {
        if (auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            proposedFolder = chooser->directory().absolutePath();
            chooser->reject();
        }
    });
    QVERIFY(!window->SaveProjectAs());
    QCOMPARE(QDir(proposedFolder).canonicalPath(), QDir(QString::fromStdString(Folders().DocFolder)).canonicalPath());
}

void TKeepingWorkTest::AProjectOnlyLookedAtAsksNothing()
{
    qortest::TempDir dir;
    const std::string project = (dir / "five.qor").string();
    QStringList arguments = {"new", QString::fromStdString(project)};
    for (const std::string& picture : SamplePictures(5)) arguments << QString::fromStdString(picture);
    QCOMPARE(QProcess::execute(QString(QOR_BIN_DIR) + "/qorgallery", arguments), 0);
    const std::string bytes = qortest::ReadAll(project);

    auto window = NewWindow();
    TScriptedAnswers answers;
    QVERIFY(window->OpenProject(project, true));
    QTRY_VERIFY_WITH_TIMEOUT(!window->XEImgLS1().LoadersAlive(), 20000);
    SelectEntries(*window, {0});
    window->Action(ActTabMake)->trigger();
    window->Action(ActTabImgLS)->trigger();
    QVERIFY(window->close());
    QCOMPARE(answers.Asked, std::vector<std::string>{});
    QCOMPARE(qortest::ReadAll(project), bytes);
}

void TKeepingWorkTest::ASecondStartDuringAQuestionOpensItsProjectAfterwards()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    const std::string first = (dir / "first.qor").string();
    const std::string second = (dir / "second.qor").string();
    SaveTitledProject(*window, second, 1, "s");
    SaveTitledProject(*window, first, 1, "f");
    TSingleInstance running("qorslider");
    QVERIFY(running.Listen());
    connect(&running, &TSingleInstance::MessageReceived, window.get(), &TFrmSlider1::OnExecTwice);
    TScriptedAnswers answers;
    WithModalOpen([&] {
        QProcess start;
        start.setProgram(QString(QOR_BIN_DIR) + "/qorgallery-gui");
        start.setArguments({QString::fromStdString(second)});
        start.start();
        // The sender is answered and gone while the question is still open.
        QTRY_COMPARE_WITH_TIMEOUT(start.state(), QProcess::NotRunning, 10000);
        QCOMPARE(start.exitCode(), 0);
        RunUntilIdle();
        QCOMPARE(window->LastProject(), first);
    });
    QTRY_COMPARE(window->LastProject(), second);
    QCOMPARE(answers.Asked, std::vector<std::string>{});
}

void TKeepingWorkTest::SmallThingsDoWhatTheUserMeant()
{
    qortest::TempDir dir;
    // A project named by a relative path is remembered by its full path.
    const std::string project = (dir / "relative.qor").string();
    {
        auto window = NewWindow();
        SaveTitledProject(*window, project, 2, "r");
        QTRY_VERIFY_WITH_TIMEOUT(!window->XEImgLS1().LoadersAlive(), 20000);
    }
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.Path().string()));
    auto window = std::make_unique<TFrmSlider1>();
    window->OnCreateChildForm({"qorgallery-gui", "relative.qor"});
    QDir::setCurrent(cwd);
    window->show();
    QTRY_VERIFY(window->FirstShowDone());
    QCOMPARE(window->LastProject(), project);

    // The context menu's "show in the file manager" means the picture the menu opened on,
    // also while the pointer is over the menu.
    QTRY_VERIFY_WITH_TIMEOUT(!window->XEImgLS1().LoadersAlive(), 20000);
    TXEImgLS& list = window->XEImgLS1();
    const QPoint onPicture = list.PictureRectInView(0).center();
    QCursor::setPos(list.viewport()->mapToGlobal(onPicture));
    bool enabledOverMenu = false;
    QTimer::singleShot(100, [&] {
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QCursor::setPos(menu->mapToGlobal(menu->rect().center()));
        window->UpdateCommands();
        enabledOverMenu = window->Action(ActOpenByExplorer)->isEnabled();
        menu->close();
    });
    emit list.customContextMenuRequested(onPicture);
    QVERIFY(enabledOverMenu);

    // "~" at the start of the output folder is the home folder.
    TScriptedAnswers answers;
    QSignalSpy ended(window.get(), &TFrmSlider1::MakeEnded);
    window->EdOutDir->setText("~/tilde-site");
    window->Action(ActMake)->trigger();
    QVERIFY(ended.wait(60000));
    QVERIFY(fs::exists(QDir::homePath().toStdString() + "/tilde-site/index.html"));

    // A close cancelled at the save question, after the build was stopped for it, asks
    // about the next build again.
    const QString stopQuestion = TFrmSlider1::tr("ギャラリーを作成中です。中断して終了しますか?");
    window->XEImgLS1().AssignFileLS(SamplePictures(60));
    for (int round = 0; round < 2; ++round) {
        answers.Answers = {mbYes, mbCancel};
        answers.Asked.clear();
        window->Action(ActMake)->trigger();
        QVERIFY(window->Building());
        QVERIFY(!window->close());
        QVERIFY(ended.wait(60000));
        QTRY_COMPARE(answers.Asked.size(), size_t(2));
        QCOMPARE(QString::fromStdString(answers.Asked.front()), stopQuestion);
        QVERIFY(window->isVisible());
    }

    // Waking a maximised window keeps it maximised.
    window->showMaximized();
    window->showMinimized();
    window->OnExecTwice("");
    QVERIFY(window->isMaximized());

    // A file name in a message is shown as it is, not as markup.
    SetMsgAnswerer({});
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(100, [&format] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        format = box->textFormat();
        box->reject();
    });
    ShowMsgBox(window.get(), "<font color=red>trip</font>.qor", mbOK, TMsgKind::Error);
    SetMsgAnswerer(EscapeFromUnexpectedBox);
    QCOMPARE(format, Qt::PlainText);
}

// Saving over a project its user made read-only is refused, and the window says why.
void TKeepingWorkTest::AProjectMadeReadOnlyStaysAsItIs()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    const std::string path = (dir / "kept.qor").string();
    SaveTitledProject(*window, path, 2, "k");
    const std::string bytes = qortest::ReadAll(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    window->XEImgLS1().IdToPInfo(0)->user.Title = "changed";
    TScriptedAnswers answers;
    QVERIFY(!window->SaveProject(path, true));
    QCOMPARE(answers.Asked.size(), size_t(1));
    QVERIFY(answers.Asked[0].starts_with("[Err] " + path));
    QCOMPARE(qortest::ReadAll(path), bytes);
    QCOMPARE(fs::status(path).permissions(),
             fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

QOR_QTEST_MAIN(TKeepingWorkTest)
#include "KeepingWorkTest.moc"
