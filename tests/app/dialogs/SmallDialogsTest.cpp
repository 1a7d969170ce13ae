#include "app/support/AppTestEnv.h"

#include "app/crop/CropMouse.h"
#include "app/crop/XECrop.h"
#include "app/dialogs/ChaAbout.h"
#include "app/dialogs/FrmBtnId.h"
#include "app/dialogs/FrmCaption.h"
#include "app/dialogs/FrmCrop.h"
#include "app/dialogs/FrmRename.h"
#include "app/dialogs/FrmSetting.h"
#include "app/platform/MessageBox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>

using namespace qor;

namespace {

// The messages shown while alive, answered with OK.
struct TMessageLog {
    std::vector<std::string> Texts;
    TMessageLog()
    {
        SetMsgAnswerer([this](const std::string& text, unsigned, TMsgKind) {
            Texts.push_back(text);
            return mbOK;
        });
    }
    ~TMessageLog() { SetMsgAnswerer({}); }
};

void Touch(const std::string& fileName)
{
    std::ofstream(fileName) << "x";
}

// Three landscape and portrait pictures in a list, with the crop dialog following its choice
// as the main window makes it.
struct TCropSetup {
    TCustomImgLS list;
    TFrmCrop dialog{list};
    TCropSetup()
    {
        std::string folder = test::SamplePicturesFolder() + "/";
        list.AssignFileLS({folder + "desert.jpg", folder + "forest.jpg", folder + "sea.jpg"});
        list.OnSelectThumb = [this](TCustomImgLS&, int, PThumbInfo& entry,
                                    const std::shared_ptr<TBmpScan>&) {
            dialog.SetCropImage(entry);
        };
        dialog.resize(860, 640);
        dialog.SetAspect(720, 300);
        list.SetItemIndex(0);
    }
};

} // namespace

class TSmallDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void CropOkStoresTheMovedSelection()
    {
        TCropSetup s;
        PThumbInfo first = s.list.IdToPInfo(0);
        QCOMPARE(s.dialog.Entry(), first);
        QVERIFY(s.dialog.CropControl().GetBmp());
        test::MoveCrop(s.dialog.CropControl(), {0, 10});
        TRect dragged = s.dialog.CropControl().GetValidCropR();
        QVERIFY(dragged.IsValid());
        s.dialog.BtOK->click();
        QVERIFY(s.dialog.OKFlag());
        QCOMPARE(first->CropR, dragged);
        QVERIFY(!s.dialog.Entry()); // the dialog lets go of the entry when it closes
    }

    void CropCancelKeepsWhatTheArrowsStored()
    {
        TCropSetup s;
        PThumbInfo first = s.list.IdToPInfo(0), second = s.list.IdToPInfo(1);
        test::MoveCrop(s.dialog.CropControl(), {0, 10});
        TRect dragged = s.dialog.CropControl().GetValidCropR();
        s.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.dialog));
        QTest::keyClick(&s.dialog, Qt::Key_Right);
        QCOMPARE(first->CropR, dragged);
        QCOMPARE(s.dialog.Entry(), second);
        QCOMPARE(s.dialog.CropControl().FileName().filename().string(), std::string("forest.jpg"));
        test::MoveCrop(s.dialog.CropControl(), {0, 10});
        s.dialog.BtCancel->click();
        QVERIFY(!s.dialog.OKFlag());
        QCOMPARE(second->CropR, TRect{});
        QCOMPARE(first->CropR, dragged);
    }

    void CropArrowsFollowTheList()
    {
        TCropSetup s;
        s.dialog.MtNextClick(-1); // before the first: the list decides (it wraps)
        QCOMPARE(s.dialog.Entry(), s.list.IdToPInfo(2));
        s.dialog.MtNextClick(1);
        QCOMPARE(s.dialog.Entry(), s.list.IdToPInfo(0));
        s.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.dialog));
        QTest::keyClick(&s.dialog, Qt::Key_Down);
        QCOMPARE(s.dialog.Entry(), s.list.IdToPInfo(2));
        QTest::keyClick(&s.dialog, Qt::Key_Up);
        QCOMPARE(s.dialog.Entry(), s.list.IdToPInfo(0));
        QTest::keyClick(&s.dialog, Qt::Key_Escape);
        QVERIFY(!s.dialog.isVisible());
    }

    void CropResetGivesTheStandardRange()
    {
        TCropSetup s;
        PThumbInfo first = s.list.IdToPInfo(0);
        first->CropR = {0, 0, 720, 300};
        s.dialog.SetCropImage(first);
        QCOMPARE(s.dialog.CropControl().GetValidCropR(), (TRect{0, 0, 720, 300}));
        s.dialog.BtTemplate->click();
        QCOMPARE(first->CropR, (TRect{0, 0, 720, 300})); // nothing stored yet
        s.dialog.BtOK->click();
        QCOMPARE(first->CropR, TRect{});
    }

    void CropWithoutEntryShowsNothing()
    {
        TCropSetup s;
        s.dialog.SetCropImage(nullptr);
        QVERIFY(!s.dialog.CropControl().GetBmp());
        s.dialog.BtOK->click();
        QVERIFY(s.dialog.OKFlag());
    }

    void RenameChecks()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        Touch(folder + "summer.qor");
        Touch(folder + "winter.qor");
        struct Case {
            const char* typed;
            int message;
            std::string path;
        };
        const Case cases[] = {
            {"a:b", 0, folder + "a_b.qor"},
            {"autumn", 0, folder + "autumn.qor"},
            {"   ", 14, ""},
            {"", 14, ""},
            {"summer", 15, ""},
            {"winter", 15, ""},
            {"summer.qor", 0, folder + "summer.qor.qor"},
        };
        for (const Case& c : cases) {
            TRenameCheck check = CheckProjectName(folder + "summer.qor", c.typed);
            QCOMPARE(check.Message, c.message);
            QCOMPARE(check.NewPath, c.path);
        }
    }

    void RenameDialogMessagesAndResult()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        Touch(folder + "summer.qor");
        TFrmRename dialog;
        dialog.SetProjectPath(folder + "summer.qor");
        QCOMPARE(dialog.Edit1->text(), QString("summer"));
        TMessageLog log;
        dialog.BtOK->click();
        QCOMPARE(log.Texts.size(), size_t(1));
        QCOMPARE(log.Texts[0], std::string("プロジェクト \rsummer\rは、既に存在します."));
        QVERIFY(!dialog.OKFlag());
        dialog.Edit1->setText("  ");
        dialog.BtOK->click();
        QCOMPARE(log.Texts.size(), size_t(2));
        QCOMPARE(log.Texts[1],
                 std::string("プロジェクト名に \\/:;*?\"<>|. を含むことは出来ません."));
        dialog.Edit1->setText("a:b");
        dialog.BtOK->click();
        QCOMPARE(log.Texts.size(), size_t(2));
        QVERIFY(dialog.OKFlag());
        QCOMPARE(dialog.NewPath(), folder + "a_b.qor");
        QCOMPARE(dialog.Edit1->text(), QString("a_b"));
        dialog.SetProjectPath(folder + "summer.qor");
        QVERIFY(!dialog.OKFlag());
        QVERIFY(dialog.NewPath().empty());
    }

    void ButtonIdPicker()
    {
        TFrmBtnId picker;
        picker.SetCount(5);
        QCOMPARE(picker.BtnLS->count(), 5);
        QCOMPARE(picker.BtnLS->item(4)->text(), QString("4"));
        picker.SetSelectIndex(3);
        QCOMPARE(picker.GetSelectIndex(), 3);
        picker.SetSelectIndex(9);
        QCOMPARE(picker.GetSelectIndex(), -1);
        picker.SetCount(0);
        QCOMPARE(picker.BtnLS->count(), 0);
        picker.SetCount(3);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QRect row = picker.BtnLS->visualItemRect(picker.BtnLS->item(2));
        QTest::mouseClick(picker.BtnLS->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(picker.GetSelectIndex(), 2);
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }

    void AboutBoxShowsTheShortVersionOverItsPicture()
    {
        TChaAbout about;
        QCOMPARE(about.Texts().size(), size_t(3));
        QCOMPARE(about.Texts()[1]->TextLS, TStringList{"1.6.1"});
        const TBmpScan& shown = about.Composed();
        QCOMPARE(shown.Width(), about.width());
        QCOMPARE(shown.Height(), about.height());
        TBmpScan background = AboutBackground(shown.Width(), shown.Height());
        // The white text lies over the darker background near where the version is drawn.
        int whiter = 0;
        for (int y = 130; y < 150; ++y)
            for (int x = 32; x < 80; ++x)
                whiter += shown.Scan(y)[x].g > background.Scan(y)[x].g + 60;
        QVERIFY(whiter > 20);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, Qt::Key_Q);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::keyClick(&about, Qt::Key_1);
        QVERIFY(about.isVisible());
        QTest::keyClick(&about, Qt::Key_Space);
        QVERIFY(!about.isVisible());
    }

    void CaptionFormListsWindowsAndComponents()
    {
        TFrmSetting settings;
        TFrmCaption form;
        form.SetWindows(nullptr, &settings);
        form.Button1Click();
        TStringList lines = form.LogLines();
        auto has = [&](const std::string& line) {
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        };
        QCOMPARE(lines.at(0), std::string(">FrmCaption"));
        QCOMPARE(lines.at(1), std::string("FrmCaption|Caption||"));
        QVERIFY(has("Button1|Button1||"));
        QVERIFY(has(">FrmSetting"));
        QVERIFY(has("FrmSetting|設定||"));
        QVERIFY(has("cbController|||サムネイル+番号表示+ドット表示+コントローラなし"));
        QVERIFY(has("ChShowTopic|バナーを表示する||"));
        QVERIFY(has("BtRestore|標準に戻す||"));
        QVERIFY(has("rdPageHeader|ページヘッダー||なし+ヘッダー(h1)を付ける+サイト(1段)+サイト(2段)"
                    "+サイト(3段)"));
        QVERIFY(!has("LSSample||||"));

        form.SetScriptLines({"var a = 1;", "var b = 2;"});
        QCOMPARE(form.ScriptLines(), (TStringList{"var a = 1;", "var b = 2;"}));
        form.LogLS1->clear();
        form.BtGetTextMetricsClick();
        QCOMPARE(form.LogLS1->count(), 2);
        QVERIFY(form.LogLS1->item(0)->text().startsWith("Form:"));
        QVERIFY(form.LogLS1->item(1)->text().startsWith("desk:"));
    }
};

QOR_QTEST_MAIN(TSmallDialogsTest)
#include "SmallDialogsTest.moc"
