// Pictures added to the window's list bring their captions unless the settings say not to;
// texts already in the list or in a reopened project stay.
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
    void AddedPicturesFillOnlyEmptyTextsWhileTheOptionIsOn();
};

void TPictureCaptionsWindowTest::AddedPicturesFillOnlyEmptyTextsWhileTheOptionIsOn()
{
    qortest::TempDir dir;
    const std::string pics = (dir / "pics").string();
    qortest::WriteCaptionPicture(dir / "pics/harbour.jpg",
                                 {{"Xmp.dc.title", "lang=x-default Harbour"},
                                  {"Xmp.dc.description", "lang=x-default Boats\nat dawn"}});
    qortest::WriteCaptionPicture(dir / "pics/market.png",
                                 {{"Iptc.Application2.Headline", "Market"}});
    auto window = NewWindow();
    TXEImgLS& list = window->XEImgLS1();
    QVERIFY(window->FrmSetting().ChMetadataCaptions->isChecked());
    list.MergeFiles({pics + "/harbour.jpg"}, "", -1);
    QCOMPARE(list.IdToPInfo(0)->user.Title, std::string("Harbour"));
    QCOMPARE(list.IdToPInfo(0)->user.memoLS, (TStringList{"Boats", "at dawn"}));

    // Typed texts stay when more pictures are dropped and when the project is reopened.
    list.IdToPInfo(0)->user.Title = "Typed";
    list.IdToPInfo(0)->user.memoLS.clear();
    TScriptedAnswers answers;
    answers.Answers = {mbYes, mbYes};
    list.DropFiles({pics + "/market.png"}, 1);
    QCOMPARE(list.IdToPInfo(1)->user.Title, std::string("Market"));
    const std::string project = (dir / "typed.qor").string();
    QVERIFY(window->SaveProject(project, true) && window->OpenProject(project, false));
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.IdToPInfo(0)->user.Title, std::string("Typed"));
    QVERIFY(list.IdToPInfo(0)->user.memoLS.empty());

    // With the option off, a dropped folder's pictures are titled from their file names.
    TFrmSetting& dialog = window->FrmSetting();
    QTimer::singleShot(50, [&dialog] {
        dialog.ChMetadataCaptions->setChecked(false);
        dialog.accept();
    });
    window->Action(TCommandId::ActSetting)->trigger();
    list.DropFiles({pics}, 2);
    QCOMPARE(list.Count(), 4);
    QCOMPARE(list.IdToPInfo(2)->user.Title, std::string("harbour"));
    QVERIFY(list.IdToPInfo(2)->user.memoLS.empty());
    QCOMPARE(list.IdToPInfo(3)->user.Title, std::string("market"));
}

QOR_QTEST_MAIN(TPictureCaptionsWindowTest)
#include "PictureCaptionsWindowTest.moc"
