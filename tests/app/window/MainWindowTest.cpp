#include "app/window/WindowTestSupport.h"

#include "app/dialogs/FrmSetting.h"
#include "util/UnitMsg.h"
#include "util/XEIni.h"
#include "util/XEInitPrj.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <string>
#include <vector>

using namespace qor;
using namespace qor::test;
using enum TCommandId;

class TMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void CommandsFollowTheListWhenIdle();
    void TwoSelectedEntriesShareOnlyWhatTheUserTyped();
    void AgreeingEntriesShowWhiteEditorsAndNoNote();
    void NothingSelectedHidesTheTextPanel();
    void CaptionSetsCycleBackAfterFivePresses();
    void PagesShowTheirOwnControls();
    void AddedPicturesLinkToANewTab();
    void UpdatesAndTheHomePageFollowTheBuildsAddresses();
};

void TMainWindowTest::AddedPicturesLinkToANewTab()
{
    auto window = NewWindow();
    window->XEImgLS1().MergeFiles(SamplePictures(2), "", -1);
    SelectEntries(*window, {1});
    QCOMPARE(window->XEImgLS1().IdToPInfo(0)->user.Target, std::string("_blank"));
    QCOMPARE(window->cbSpanTarget->currentText(), QString("_blank"));
}

void TMainWindowTest::CommandsFollowTheListWhenIdle()
{
    auto window = NewWindow();
    window->UpdateCommands();
    QVERIFY(!window->Action(ActSelectALL)->isEnabled());
    QVERIFY(!window->Action(ActMake)->isEnabled());
    QVERIFY(window->Action(ActNewPrj)->isEnabled());
    window->XEImgLS1().AssignFileLS(SamplePictures(2));
    SelectEntries(*window, {1});
    // The rules are evaluated when the event loop goes idle, not by anyone calling them.
    RunUntilIdle();
    QVERIFY(window->Action(ActDelete)->isEnabled());
    QVERIFY(window->Action(ActSortName)->isEnabled());
    QVERIFY(window->Action(ActMake)->isEnabled());
    QVERIFY(!window->Action(ActUndo)->isEnabled());
    window->Action(ActDelete)->trigger();
    RunUntilIdle();
    QVERIFY(window->Action(ActUndo)->isEnabled());
    QVERIFY(!window->Action(ActSortName)->isEnabled());
}

// Selecting two entries with titles A and B shows an empty title editor with the differing
// colour; typing a new title and then selecting another entry gives both entries that title,
// while their descriptions, which the user did not touch, keep their own values.
void TMainWindowTest::TwoSelectedEntriesShareOnlyWhatTheUserTyped()
{
    auto window = NewWindow();
    TXEImgLS& list = window->XEImgLS1();
    list.AssignFileLS(SamplePictures(3));
    list.IdToPInfo(0)->user.Title = "A";
    list.IdToPInfo(0)->user.memoLS = {"first"};
    list.IdToPInfo(1)->user.Title = "B";
    list.IdToPInfo(1)->user.memoLS = {"second", "lines"};
    window->Action(ActStyleWin)->trigger();
    SelectEntries(*window, {0, 1});
    QVERIFY(window->PnlSpan->isVisibleTo(window.get()));
    QCOMPARE(window->EdSpanTitle->text(), QString());
    QCOMPARE(window->EdSpanTitle->palette().color(QPalette::Base), QColor(255, 187, 51));
    QCOMPARE(window->StatusText().toStdString(), FormatMsg(32, {3, 2}));
    QTest::keyClicks(window->EdSpanTitle, "Sea");
    SelectEntries(*window, {2});
    QCOMPARE(list.IdToPInfo(0)->user.Title, std::string("Sea"));
    QCOMPARE(list.IdToPInfo(1)->user.Title, std::string("Sea"));
    QCOMPARE(list.IdToPInfo(0)->user.memoLS, TStringList{"first"});
    QCOMPARE(list.IdToPInfo(1)->user.memoLS, (TStringList{"second", "lines"}));
    QCOMPARE(list.IdToPInfo(2)->user.Title, std::string("night"));
}

void TMainWindowTest::AgreeingEntriesShowWhiteEditorsAndNoNote()
{
    auto window = NewWindow();
    TXEImgLS& list = window->XEImgLS1();
    list.AssignFileLS(SamplePictures(2));
    for (int i = 0; i < 2; ++i) list.IdToPInfo(i)->user.Title = "Same";
    window->Action(ActStyleWin)->trigger();
    SelectEntries(*window, {0, 1});
    QCOMPARE(window->EdSpanTitle->text(), QString("Same"));
    QCOMPARE(window->SpanMemo->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(window->StatusText().toStdString(), FormatMsg(6, {2, 2}));
}

void TMainWindowTest::NothingSelectedHidesTheTextPanel()
{
    auto window = NewWindow();
    window->XEImgLS1().AssignFileLS(SamplePictures(2));
    SelectEntries(*window, {0});
    QVERIFY(window->PnlSpan->isVisibleTo(window.get()));
    window->EdSpanTitle->setText("typed");
    SelectEntries(*window, {});
    QVERIFY(!window->PnlSpan->isVisibleTo(window.get()));
    QCOMPARE(window->XEImgLS1().IdToPInfo(0)->user.Title, std::string("typed"));
    // Nothing is selected now: what is typed goes nowhere.
    window->EdSpanTitle->setText("lost");
    window->SaveSpanInfo();
    QCOMPARE(window->XEImgLS1().IdToPInfo(0)->user.Title, std::string("typed"));
    QCOMPARE(window->XEImgLS1().IdToPInfo(1)->user.Title, std::string("forest"));
}

void TMainWindowTest::CaptionSetsCycleBackAfterFivePresses()
{
    auto window = NewWindow();
    const unsigned expected[] = {ilmcName | ilmcSize, ilmcName | ilmcSize | ilmcUpdate,
                                 ilmcName | ilmcSize | ilmcDate | ilmcUpdate,
                                 ilmcName | ilmcSize | ilmcDate | ilmcUpdate | ilmcTopic, ilmcName};
    for (unsigned captions : expected) {
        window->Action(ActImgCaptionSet)->trigger();
        QCOMPARE(window->XEImgLS1().CaptionSet(), captions);
    }
    QCOMPARE(window->CaptionSetIndex(), 0);
}

void TMainWindowTest::PagesShowTheirOwnControls()
{
    auto window = NewWindow();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->Action(ActTabMake)->trigger();
    QCOMPARE(window->CurrentPage(), int(TFrmSlider1::TabMake));
    QCOMPARE(window->EdOutDir->text().toStdString(), Folders().DocFolder);
    QVERIFY(window->Action(ActTabMake)->isChecked());
    QTest::keyClick(window.get(), Qt::Key_F4);
    QCOMPARE(window->CurrentPage(), int(TFrmSlider1::TabProject));
    window->Action(ActLog)->trigger();
    QCOMPARE(window->CurrentPage(), int(TFrmSlider1::TabLog));
    QTest::keyClick(window.get(), Qt::Key_F2);
    QCOMPARE(window->CurrentPage(), int(TFrmSlider1::TabImgLS));
}

// The test's build names no update server (the default): the automatic check shows off and
// disabled while the option keeps its value, and "今すぐ確認" says why; a server of the
// configuration brings the check back. The home page command shows the build's page.
void TMainWindowTest::UpdatesAndTheHomePageFollowTheBuildsAddresses()
{
    auto window = NewWindow();
    QCheckBox* check = window->FrmSetting().ChCheckUpdate;
    QVERIFY(!check->isEnabled() && !check->isChecked() &&
            window->FrmSetting().Options().ChCheckUpdate);
    QVERIFY(check->toolTip().contains("パッケージマネージャー"));
    TScriptedAnswers answers;
    window->FrmSetting().BtCheckUpdate->click();
    QCOMPARE(answers.Asked, std::vector<std::string>{check->toolTip().toStdString()});
    QCOMPARE(window->Action(ActGoSite)->isVisible(), !std::string(QOR_HOMEPAGE).empty());
    QCOMPARE(window->Action(ActGoSite)->statusTip(), QString(QOR_HOMEPAGE));
    window->SetHomePage("");
    QVERIFY(!window->Action(ActGoSite)->isVisible());
    QVERIFY(window->close());
    window.reset();
    TXEIniFile ini(Folders().IniFolder + "qorHTML5Gallery.ini");
    ini.WriteString("Update", "Server", "http://127.0.0.1:9");
    ini.UpdateFile();
    window = NewWindow();
    check = window->FrmSetting().ChCheckUpdate;
    QVERIFY(check->isEnabled() && check->isChecked() && check->toolTip().isEmpty());
}

QOR_QTEST_MAIN(TMainWindowTest)
#include "MainWindowTest.moc"
