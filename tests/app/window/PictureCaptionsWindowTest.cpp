// Pictures added to the window's list bring the captions written into them, unless the
// settings dialog's option is off; texts already in the list or in a project stay.
#include "app/window/WindowTestSupport.h"

#include "app/dialogs/FrmSetting.h"
#include "support/CaptionPictures.h"
#include "support/TempDir.h"

#include <QCheckBox>

using namespace qor;
using namespace qor::test;

class TPictureCaptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void AddedPicturesFillOnlyEmptyTexts();
    void TheOptionOffKeepsFileNameTitles();

private:
    // Two captioned pictures and one without captions, in a folder of their own.
    std::string WritePictures(const qortest::TempDir& dir) const
    {
        qortest::WriteCaptionPicture(dir / "pics/harbour.jpg",
                                     {.XmpTitle = "Harbour", .XmpDescription = "Boats\nat dawn"});
        qortest::WriteCaptionPicture(dir / "pics/market.png", {.IptcHeadline = "Market"});
        qortest::WriteCaptionPicture(dir / "pics/plain.jpg", {});
        return (dir / "pics").string();
    }
};

void TPictureCaptionsWindowTest::AddedPicturesFillOnlyEmptyTexts()
{
    qortest::TempDir dir;
    const std::string pics = WritePictures(dir);
    auto window = NewWindow();
    TXEImgLS& list = window->XEImgLS1();
    QVERIFY(window->FrmSetting().ChMetadataCaptions->isChecked());
    list.MergeFiles({pics + "/harbour.jpg", pics + "/plain.jpg"}, "", -1);
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.IdToPInfo(0)->user.Title, std::string("Harbour"));
    QCOMPARE(list.IdToPInfo(0)->user.memoLS, (TStringList{"Boats", "at dawn"}));
    QCOMPARE(list.IdToPInfo(1)->user.Title, std::string("plain"));
    QVERIFY(list.IdToPInfo(1)->user.memoLS.empty());

    // What the user typed stays when more pictures come and when the project is reopened.
    list.IdToPInfo(0)->user.Title = "Typed";
    list.IdToPInfo(0)->user.memoLS.clear();
    TScriptedAnswers answers;
    answers.Answers = {mbYes};
    list.DropFiles({pics + "/market.png"}, 2);
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.IdToPInfo(2)->user.Title, std::string("Market"));
    QCOMPARE(list.IdToPInfo(0)->user.Title, std::string("Typed"));
    QVERIFY(list.IdToPInfo(0)->user.memoLS.empty());
    const std::string project = (dir / "typed.qor").string();
    QVERIFY(window->SaveProject(project, true));
    QVERIFY(window->OpenProject(project, false));
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.IdToPInfo(0)->user.Title, std::string("Typed"));
    QVERIFY(list.IdToPInfo(0)->user.memoLS.empty());
}

void TPictureCaptionsWindowTest::TheOptionOffKeepsFileNameTitles()
{
    qortest::TempDir dir;
    const std::string pics = WritePictures(dir);
    auto window = NewWindow();
    TFrmSetting& dialog = window->FrmSetting();
    QTimer::singleShot(50, [&dialog] {
        dialog.ChMetadataCaptions->setChecked(false);
        dialog.accept();
    });
    window->Action(TCommandId::ActSetting)->trigger();
    QVERIFY(!window->Config().Options.ChMetadataCaptions);
    TScriptedAnswers answers;
    answers.Answers = {mbYes};
    window->XEImgLS1().DropFiles({pics}, 0);
    TXEImgLS& list = window->XEImgLS1();
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.IdToPInfo(0)->user.Title, std::string("harbour"));
    QVERIFY(list.IdToPInfo(0)->user.memoLS.empty());
    QCOMPARE(list.IdToPInfo(1)->user.Title, std::string("market"));
}

QOR_QTEST_MAIN(TPictureCaptionsWindowTest)
#include "PictureCaptionsWindowTest.moc"
