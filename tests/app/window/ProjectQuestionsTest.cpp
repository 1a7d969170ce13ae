// Every way the window asks about unsaved changes, answered through the message box seam.
#include "app/window/WindowTestSupport.h"

#include "support/TempDir.h"
#include "util/UnitMsg.h"

#include <QAction>
#include <QLineEdit>

#include <filesystem>

using namespace qor;
using namespace qor::test;
using enum TCommandId;
namespace fs = std::filesystem;

class TProjectQuestionsTest : public QObject {
    Q_OBJECT
private slots:
    void NewProjectWithUnsavedPicturesAsksAndCancelKeepsThem();
    void ReopeningTheEditedProjectCanDropTheEdits();
    void SavingTwiceWritesTheSameBytesAndKeepsTheHistoryRowOnTop();
    void ClosingAChangedProjectAsksAndYesLeavesTheHistoryCount();
    void SavingAProjectWithoutPicturesOffersToDeleteIt();
    void ADroppedProjectOpensInsteadOfAddingPictures();

private:
    // A titled project of n sample pictures, saved in dir.
    std::string SavedProject(TFrmSlider1& window, const qortest::TempDir& dir, int n);
};

std::string TProjectQuestionsTest::SavedProject(TFrmSlider1& window, const qortest::TempDir& dir, int n)
{
    window.XEImgLS1().AssignFileLS(SamplePictures(n));
    std::string path = (dir / "summer.qor").string();
    window.SaveProject(path, true);
    return path;
}

void TProjectQuestionsTest::NewProjectWithUnsavedPicturesAsksAndCancelKeepsThem()
{
    auto window = NewWindow();
    window->XEImgLS1().AssignFileLS(SamplePictures(3));
    TScriptedAnswers answers;
    answers.Answers = {mbCancel};
    window->Action(ActNewPrj)->trigger();
    QCOMPARE(answers.Asked, std::vector<std::string>{GetMsgText(8)});
    QCOMPARE(window->XEImgLS1().Count(), 3);
    answers.Answers = {mbNo};
    window->Action(ActNewPrj)->trigger();
    QCOMPARE(window->XEImgLS1().Count(), 0);
    QCOMPARE(window->windowTitle().toStdString(), GetMsgText(0));
}

void TProjectQuestionsTest::ReopeningTheEditedProjectCanDropTheEdits()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    std::string path = SavedProject(*window, dir, 2);
    window->XEImgLS1().IdToPInfo(0)->user.Title = "edited";
    TScriptedAnswers answers;
    answers.Answers = {mbNo, mbYes};
    QVERIFY(window->OpenProject(path, true));
    QCOMPARE(answers.Asked, (std::vector<std::string>{FormatMsg(11, {"summer.qor"}), FormatMsg(12, {"summer.qor"})}));
    QCOMPARE(window->XEImgLS1().IdToPInfo(0)->user.Title, std::string("desert"));
    QCOMPARE(window->windowTitle().toStdString(), std::string("QorikaHTML5ギャラリー [ summer ]"));
}

void TProjectQuestionsTest::SavingTwiceWritesTheSameBytesAndKeepsTheHistoryRowOnTop()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    std::string path = SavedProject(*window, dir, 2);
    std::string first = qortest::ReadAll(path);
    window->HistoryBox1().AddHistory((dir / "other.qor").string(), {"5"});
    window->Action(ActSavePrj)->trigger();
    QCOMPARE(qortest::ReadAll(path), first);
    QCOMPARE(window->HistoryBox1().Items().front(), path + "|2");
}

void TProjectQuestionsTest::ClosingAChangedProjectAsksAndYesLeavesTheHistoryCount()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    std::string path = SavedProject(*window, dir, 2);
    window->XEImgLS1().MergeFiles(SamplePictures(1), "", -1);
    // While thumbnails load the close waits for the loaders, and only then asks.
    QTRY_VERIFY(!window->XEImgLS1().LoadersAlive());
    TScriptedAnswers answers;
    answers.Answers = {mbCancel};
    QVERIFY(!window->close());
    QCOMPARE(answers.Asked, std::vector<std::string>{FormatMsg(9, {"summer.qor"})});
    answers.Answers = {mbYes};
    QVERIFY(window->close());
    TComQorCSS1 saved;
    saved.LoadFromFile(path);
    QCOMPARE(saved.AttrLS.size(), size_t(3));
    QCOMPARE(window->HistoryBox1().Items().front(), path + "|2");
}

void TProjectQuestionsTest::SavingAProjectWithoutPicturesOffersToDeleteIt()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    std::string path = SavedProject(*window, dir, 1);
    window->XEImgLS1().SelectALL(true, false, false);
    window->XEImgLS1().Delete();
    TScriptedAnswers answers;
    answers.Answers = {mbNo};
    window->Action(ActSavePrj)->trigger();
    QVERIFY(fs::exists(path));
    answers.Answers = {mbYes};
    window->Action(ActSavePrj)->trigger();
    QCOMPARE(answers.Asked.back(), FormatMsg(10, {"summer.qor"}));
    QVERIFY(!fs::exists(path));
    QVERIFY(window->LastProject().empty());
    for (const std::string& row : window->HistoryBox1().Items()) QVERIFY(!row.starts_with(path));
}

void TProjectQuestionsTest::ADroppedProjectOpensInsteadOfAddingPictures()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    std::string path = SavedProject(*window, dir, 2);
    std::string upper = (dir / "COPY.QOR").string();
    fs::copy_file(path, upper);
    window->OpenProject("", false);
    TScriptedAnswers answers;
    TStringList dropped = {upper};
    for (const std::string& picture : SamplePictures(3)) dropped.push_back(picture);
    window->XEImgLS1().DropFiles(dropped, 0);
    QCOMPARE(window->LastProject(), upper);
    QCOMPARE(window->XEImgLS1().Count(), 2);
    QVERIFY(answers.Asked.empty());
}

QOR_QTEST_MAIN(TProjectQuestionsTest)
#include "ProjectQuestionsTest.moc"
