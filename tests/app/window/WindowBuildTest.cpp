// A build started from the window: the finished gallery folder, and an abort part-way.
#include "app/window/WindowTestSupport.h"

#include "support/TempDir.h"
#include "util/UnitMsg.h"

#include <QTimer>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>

#include <filesystem>

using namespace qor;
using namespace qor::test;
using enum TCommandId;
namespace fs = std::filesystem;

namespace {

int FilesIn(const fs::path& folder)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return 0;
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) ++count;
    return count;
}

bool LoggedLap(const TFrmSlider1& window)
{
    for (int i = 0; i < window.LogLS1->count(); ++i)
        if (window.LogLS1->item(i)->text().startsWith("Lap :")) return true;
    return false;
}

} // namespace

class TWindowBuildTest : public QObject {
    Q_OBJECT
private slots:
    void BuildWritesTheWholeGalleryAndKeepsTheWindowResponsive();
    void AbortAfterAFewPicturesWritesNoPage();
    void AnEmptyListIsRefusedWithItsMessage();
    void AnotherProgramsPageIsReplacedOnlyWhenTheUserAgrees_data();
    void AnotherProgramsPageIsReplacedOnlyWhenTheUserAgrees();
};

void TWindowBuildTest::BuildWritesTheWholeGalleryAndKeepsTheWindowResponsive()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    window->XEImgLS1().AssignFileLS(SamplePictures(6));
    window->EdOutDir->setText(QString::fromStdString((dir / "site").string()));
    window->EdHtml->setText("gallery");
    QSignalSpy ended(window.get(), &TFrmSlider1::MakeEnded);
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(5);
    RunUntilIdle();
    window->Action(ActMake)->trigger();
    QVERIFY(!window->PnlProg->isHidden());
    QVERIFY(window->Building());
    RunUntilIdle();
    QVERIFY(!window->Action(ActMake)->isEnabled() || ended.count() == 1);
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
    QCOMPARE(ended.front().front().value<TMakeOutcome>(), TMakeOutcome::PageWritten);
    // Events kept flowing while the pictures were made.
    QVERIFY(ticks > 0);
    QCOMPARE(window->EdHtml->text(), QString("gallery.html"));
    QCOMPARE(window->EdOutDir->text(), QString::fromStdString((dir / "site").string() + "/"));
    QVERIFY(fs::exists(dir / "site/gallery.html"));
    QVERIFY(fs::exists(dir / "site/css/style.css"));
    QCOMPARE(FilesIn(dir / "site/img"), 6);
    QCOMPARE(FilesIn(dir / "site/img/thumb"), 6);
    QCOMPARE(window->LbProg->text(), QString("  6/6"));
    QVERIFY(window->PnlProg->isHidden());
    QVERIFY(LoggedLap(*window));
    QVERIFY(window->StatusText().startsWith("Lap :"));
    RunUntilIdle();
    QVERIFY(window->Action(ActMake)->isEnabled());
}

void TWindowBuildTest::AbortAfterAFewPicturesWritesNoPage()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    window->XEImgLS1().AssignFileLS(SamplePictures(60));
    window->EdOutDir->setText(QString::fromStdString(dir.Path().string()));
    window->gdThreadCt->setValue(1);
    connect(window->ProgressBar1, &QProgressBar::valueChanged, window.get(), [&window](int value) {
        if (value >= 3) window->BtAbortClick();
    });
    QSignalSpy ended(window.get(), &TFrmSlider1::MakeEnded);
    window->ActMakeExecute();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
    QCOMPARE(ended.front().front().value<TMakeOutcome>(), TMakeOutcome::Aborted);
    QVERIFY(!fs::exists(dir / "index.html"));
    int written = FilesIn(dir / "img");
    QVERIFY2(written >= 3 && written < 60, std::to_string(written).c_str());
    QCOMPARE(FilesIn(dir / "img/thumb"), written);
    QVERIFY(window->PnlProg->isHidden());
    QVERIFY(LoggedLap(*window));
}

void TWindowBuildTest::AnEmptyListIsRefusedWithItsMessage()
{
    qortest::TempDir dir;
    auto window = NewWindow();
    TScriptedAnswers answers;
    window->EdOutDir->setText(QString::fromStdString(dir.Path().string()));
    window->ActMakeExecute();
    QCOMPARE(answers.Asked, std::vector<std::string>{GetMsgText(22)});
    QVERIFY(!window->Building());
    QCOMPARE(FilesIn(dir.Path()), 0);
}

void TWindowBuildTest::AnotherProgramsPageIsReplacedOnlyWhenTheUserAgrees_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("no") << int(mbNo);
    QTest::newRow("yes") << int(mbYes);
}

void TWindowBuildTest::AnotherProgramsPageIsReplacedOnlyWhenTheUserAgrees()
{
    QFETCH(int, answer);
    const std::string theirs = "<html>their own page</html>";
    qortest::TempDir dir;
    dir.Write("site/index.html", theirs);
    auto window = NewWindow();
    window->XEImgLS1().AssignFileLS(SamplePictures(2));
    window->EdOutDir->setText(QString::fromStdString((dir / "site").string()));
    TScriptedAnswers answers;
    answers.Answers = {static_cast<TMsgButton>(answer)};
    QSignalSpy ended(window.get(), &TFrmSlider1::MakeEnded);
    window->ActMakeExecute();
    QCOMPARE(answers.Asked.size(), size_t(1));
    QVERIFY2(answers.Asked[0].find("\rindex.html\r") != std::string::npos, answers.Asked[0].c_str());
    if (answer == mbNo) {
        QVERIFY(!window->Building());
        QCOMPARE(qortest::ReadAll(dir / "site/index.html"), theirs);
        QCOMPARE(FilesIn(dir / "site/img"), 0);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
    QVERIFY(qortest::ReadAll(dir / "site/index.html") != theirs);
    // The folder holds our own build now: the next one asks nothing.
    window->ActMakeExecute();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 2, 60000);
    QCOMPARE(answers.Asked.size(), size_t(1));
}

QOR_QTEST_MAIN(TWindowBuildTest)
#include "WindowBuildTest.moc"
