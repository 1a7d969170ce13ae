#include "app/support/AppTestEnv.h"

#include "app/dialogs/FrmSetting.h"
#include "app/widgets/ClickLabel.h"
#include "app/widgets/ColorButton.h"
#include "app/widgets/GradientPanel.h"
#include "cli/PropertyText.h"
#include "gallery/ProjectStream.h"
#include "gallery/PublishedProps.h"
#include "util/XEInitPrj.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using namespace qor;

namespace {

// A design in which every setting the dialog holds differs from the defaults.
void ApplyDesign(TComQorCSS1& s)
{
    s.ImageWidth = 960;
    s.ImageHeight = 360;
    s.ThumbWidth = 160;
    s.ThumbHeight = 120;
    s.ControllerType = 2;
    s.FrameType = 1;
    s.GalleryFrameColorHex = "A0B0C0";
    s.CtrlPosition = 4;
    s.TransitIndex = 5;
    s.TransitDuration = 2.5L;
    s.SlideshowInterval = 7.0L;
    s.AutoSlideShow = true;
    s.BackGroundColorHex = "102030";
    s.ColorCommentText = "11223364";
    s.ColorCommentShadow = "2233440A";
    s.ColorCommentBG = "33445532";
    s.ColorTopicText = "44556600";
    s.ColorTopicShadow = "5566771E";
    s.ColorTopicBG = "66778828";
    s.ColorThumbTitleText = "7788993C";
    s.ColorThumbTitleShadow = "8899AA46";
    s.ColorProgressBar = "99AABB50";
    s.CommentPosIndex = 4;
    s.ShowTopic = false;
    s.ProgressBar = false;
    s.Responsive = true;
    s.MinScale = 35;
    s.MouseEmulateFlick = true;
    s.PrevArrowFile = "05-prev.png";
    s.NextArrowFile = "05-next.png";
    s.ImageQuality = 60;
    s.ShowButton = false;
    s.WrapperMarginY = 3;
    s.ShowThumbTitle = true;
    s.ThumbPolaroid = true;
    s.ThumbBorderWidth = 4;
    s.ThumbTitleHeight = 33;
    s.ThumbTitleOffsetY = 9;
    s.ThumbBorderColorHex = "ABCDEF";
    s.StartColor = 0x00123456;
    s.EndColor = 0x00654321;
    s.AutoHideCtrl = false;
    s.CtrlWidth = 70;
    s.ShowQorHeader = 3;
}

std::string ReadBytes(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int TemplateRow(const std::string& name)
{
    auto items = LoadTemplateList(Folders().RscFolder);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Name == name) return static_cast<int>(i);
    return -1;
}

// A project whose every published value is drawn at random among values the project reader
// accepts: odd seconds, indexes beyond their lists, empty and short colour texts, any text.
TComQorCSS1 RandomProject(std::mt19937& random)
{
    static const std::vector<std::string> texts = {"", "000000", "FFFFFF", "A0B0C064", "ABC",
                                                   "-F-F-F", "en", "x y", "名前", "01-next.png"};
    static const std::vector<long double> seconds = {0.0L, 0.05L, 1.0L, 2.25L, 3.333L, 7.5L, 150.0L};
    auto pick = [&](auto& values) { return values[random() % values.size()]; };
    TComQorCSS1 project = TComQorCSS1::NewProjectSettings();
    for (const TPublishedProp& prop : PublishedProps()) {
        switch (prop.Kind) {
        case TPropKind::String: prop.Str(project) = pick(texts); break;
        case TPropKind::Integer: prop.Int(project) = static_cast<int32_t>(random() % 2000) - 100; break;
        case TPropKind::Colour: prop.Int(project) = static_cast<int32_t>(random() & 0xFFFFFF); break;
        case TPropKind::Extended: prop.Ext(project) = pick(seconds); break;
        case TPropKind::Boolean: prop.Bool(project) = random() % 2 == 0; break;
        case TPropKind::Strings: prop.List(project) = {pick(texts)}; break;
        }
    }
    return project;
}

TComQorCSS1 ProjectWithDesign()
{
    TComQorCSS1 project = TComQorCSS1::NewProjectSettings();
    ApplyDesign(project);
    project.AttrLS = {"photo.jpg|title|"};
    return project;
}

} // namespace

class TFrmSettingTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        std::filesystem::remove(Folders().StdSettingFile);
        std::filesystem::create_directories(Folders().WorkFolder);
    }

    void EveryDesignSettingGoesThroughTheControlsAndBack()
    {
        TFrmSetting dialog;
        dialog.Init(TComQorCSS1::NewProjectSettings());
        dialog.QorCSS2Form(ProjectWithDesign(), false);
        TComQorCSS1 out = TComQorCSS1::NewProjectSettings();
        out.OutFolder = "/tmp/gallery/";
        out.PageTitle = "Kept";
        out.AttrLS = {"a.jpg|a|"};
        out.DemoMode = true;
        dialog.Form2QorCSS(out);
        TComQorCSS1 expected = TComQorCSS1::NewProjectSettings();
        ApplyDesign(expected);
        expected.OutFolder = "/tmp/gallery/";
        expected.PageTitle = "Kept";
        expected.AttrLS = {"a.jpg|a|"};
        expected.DemoMode = true;
        QCOMPARE(WriteProjectStream(out), WriteProjectStream(expected));
        QCOMPARE(out.DemoMode, true);
    }

    // One pass through the dialog with OK and no control touched changes no value of any
    // project read from a file; a control the user changes changes its value only.
    void OkWithoutChangesKeepsEveryValueOfRandomProjects()
    {
        QTemporaryDir folder;
        std::mt19937 random(20261210);
        TFrmSetting dialog;
        const int projects = 300;
        for (int i = 0; i < projects; ++i) {
            std::string file = folder.filePath(QString("p%1.qor").arg(i)).toStdString();
            RandomProject(random).SaveToFile(file);
            TComQorCSS1 read = TComQorCSS1::NewProjectSettings();
            QVERIFY(read.LoadFromFile(file));
            TComQorCSS1 passed = read;
            dialog.Init(passed);
            dialog.accept();
            dialog.Form2QorCSS(passed);
            QCOMPARE(FormatAllProps(passed), FormatAllProps(read));
            dialog.Init(passed);
            dialog.ChShowTopic->setChecked(!read.ShowTopic);
            dialog.Form2QorCSS(passed);
            TComQorCSS1 expected = read;
            expected.ShowTopic = !read.ShowTopic;
            QCOMPARE(FormatAllProps(passed), FormatAllProps(expected));
        }
    }

    // Keys choose a template as a click does; the frame colour keeps its hint; the page
    // language is the project's, typed or chosen, and a template never changes it.
    void KeyboardTemplatesHintsAndThePageLanguage()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        project.ControllerType = 0;
        dialog.Init(project);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const int dots = TemplateRow("sample03_dot");
        QVERIFY(dots > 0);
        dialog.LSSample->setFocus();
        dialog.LSSample->setCurrentRow(0);
        for (int row = dialog.LSSample->currentRow(); row < dots; ++row)
            QTest::keyClick(dialog.LSSample, Qt::Key_Down);
        QCOMPARE(dialog.LSSample->currentRow(), dots);
        QCOMPARE(dialog.cbController->currentIndex(), 2);
        QTest::keyClick(dialog.LSSample, Qt::Key_Up);
        QTest::keyClick(dialog.LSSample, Qt::Key_Down);
        dialog.cbController->setCurrentIndex(0);
        QTest::keyClick(dialog.LSSample, Qt::Key_Return);
        QCOMPARE(dialog.cbController->currentIndex(), 2);

        dialog.cbFrame->setCurrentIndex(2);
        dialog.XEGalleryFrameColor->SetText6("123456");
        QVERIFY(dialog.XEGalleryFrameColor->toolTip().contains(QStringLiteral("縁飾りにフレームを指定した時のみ有効")));

        QCOMPARE(dialog.cbPageLanguage->currentText(), QString());
        dialog.cbPageLanguage->lineEdit()->setText("pt-BR");
        dialog.Form2QorCSS(project);
        QCOMPARE(project.PageLanguage, std::string("pt-BR"));
        dialog.Init(project);
        dialog.ApplyTemplateRow(0);
        QCOMPARE(dialog.cbPageLanguage->currentText(), QString("pt-BR"));
    }

    void OkWritesTheDesignWithoutPicturesToTheStandardFile()
    {
        TFrmSetting dialog;
        dialog.Init(ProjectWithDesign());
        dialog.BtOK->click();
        QVERIFY(dialog.OKFlag());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        std::string bytes = ReadBytes(Folders().StdSettingFile);
        TComQorCSS1 expected = TComQorCSS1::NewDialogSettings();
        ApplyDesign(expected);
        QCOMPARE(bytes, WriteProjectStream(expected));
        QVERIFY(bytes.find("AttrLS.Strings") == std::string::npos);
    }

    void CancelAndEscWriteNothing()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        const std::string before = WriteProjectStream(project);
        dialog.Init(project);
        dialog.cbController->setCurrentIndex(3);
        dialog.BtCancel->click();
        QVERIFY(!dialog.OKFlag());
        QCOMPARE(WriteProjectStream(project), before);
        QVERIFY(!std::filesystem::exists(Folders().StdSettingFile));

        dialog.Init(project);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.OKFlag());
        QVERIFY(!std::filesystem::exists(Folders().StdSettingFile));
    }

    void PolaroidWithoutFrameGetsWidthTwo()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        project.ThumbPolaroid = false;
        project.ThumbBorderWidth = 0;
        dialog.Init(project);
        QCOMPARE(dialog.ThumbBorderWidth->value(), 0);
        dialog.ChThumbPoraloid->setChecked(true);
        dialog.BtOK->click();
        dialog.Form2QorCSS(project);
        QCOMPARE(project.ThumbBorderWidth, 2);
        TComQorCSS1 stored = TComQorCSS1::NewDialogSettings();
        QVERIFY(stored.LoadFromFile(Folders().StdSettingFile));
        QCOMPARE(stored.ThumbBorderWidth, 2);
    }

    void ArrowNumberFromThePictureName()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        project.PrevArrowFile = "07-prev.png";
        dialog.Init(project);
        QCOMPARE(dialog.gdArrowNo->value(), 7);
        QVERIFY(!dialog.XEImgBtn1->pixmap().isNull());
        project.PrevArrowFile = "xx.png";
        dialog.Init(project);
        QCOMPARE(dialog.gdArrowNo->value(), 0);
        dialog.gdArrowNo->setValue(12);
        QTest::mouseClick(dialog.XEImgBtn2, Qt::LeftButton);
        QCOMPARE(dialog.gdArrowNo->value(), 0);
        QTest::mouseClick(dialog.XEImgBtn1, Qt::LeftButton);
        dialog.Form2QorCSS(project);
        QCOMPARE(project.PrevArrowFile, std::string("01-prev.png"));
        QCOMPARE(project.NextArrowFile, std::string("01-next.png"));
    }

    void TemplateKeepsTheSizesWhileAsked()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        project.ImageWidth = 720;
        project.ImageHeight = 270;
        project.ControllerType = 0;
        project.Responsive = true;
        project.SlideshowInterval = 9;
        dialog.Init(project);
        const int row = TemplateRow("sample02_num");
        QVERIFY(row >= 0);
        QVERIFY(dialog.TemplateCount() >= 10);
        QVERIFY(dialog.ChIgnoreSampleSize->isChecked());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.LSSample->scrollToItem(dialog.LSSample->item(row));
        QRect rowRect = dialog.LSSample->visualItemRect(dialog.LSSample->item(row));
        QTest::mouseClick(dialog.LSSample->viewport(), Qt::LeftButton, {}, rowRect.center());
        QCOMPARE(dialog.cbController->currentIndex(), 1);
        QCOMPARE(dialog.cbImgSize->currentText(), QString("720x270"));
        QVERIFY(dialog.chResponsive->isChecked());
        QCOMPARE(dialog.slideshow_Interval->value(), 9.0);
        QVERIFY(!dialog.XESample->pixmap().isNull());
        // The project is not touched until OK.
        QCOMPARE(project.ControllerType, 0);

        TComQorCSS1 sample = TComQorCSS1::NewDialogSettings();
        QVERIFY(sample.LoadFromFile(Folders().RscFolder + "samples/sample02_num.qor"));
        dialog.ChIgnoreSampleSize->setChecked(false);
        QVERIFY(dialog.ApplyTemplateRow(row));
        QCOMPARE(dialog.cbImgSize->currentText().toStdString(),
                 std::to_string(sample.ImageWidth) + "x" + std::to_string(sample.ImageHeight));
        QCOMPARE(dialog.Options().LSSample, row);
    }

    void DamagedIndexesShowTheNearestItem()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        project.ControllerType = 9;
        project.TransitIndex = -4;
        project.CommentPosIndex = 6;
        dialog.Init(project);
        QCOMPARE(dialog.cbController->currentIndex(), 3);
        QCOMPARE(dialog.cbTransit->currentIndex(), 0);
        QCOMPARE(dialog.cbCmtPos->currentIndex(), 5);
        // Shown as the nearest item, kept as the file has it until the user chooses.
        dialog.Form2QorCSS(project);
        QCOMPARE(project.ControllerType, 9);
        QCOMPARE(project.TransitIndex, -4);
        dialog.cbTransit->setCurrentIndex(2);
        dialog.Form2QorCSS(project);
        QCOMPARE(project.TransitIndex, 2);
        QCOMPARE(project.CommentPosIndex, 6);
    }

    void UnreadableSizeTextKeepsTheSize()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        dialog.Init(project);
        dialog.cbImgSize->setCurrentText("wide");
        dialog.cbThumbSize->setCurrentText("320x240");
        dialog.Form2QorCSS(project);
        QCOMPARE(project.ImageWidth, 960);
        QCOMPARE(project.ImageHeight, 360);
        QCOMPARE(project.ThumbWidth, 320);
        QCOMPARE(project.ThumbHeight, 240);
    }

    void ControllerAndFrameShowTheirPanels()
    {
        TFrmSetting dialog;
        dialog.cbController->setCurrentIndex(3);
        QVERIFY(!dialog.cbThumbSize->isEnabled());
        QVERIFY(!dialog.LbThumbSize->isEnabled());
        QVERIFY(dialog.PnNumPos->isHidden());
        dialog.cbController->setCurrentIndex(2);
        QVERIFY(dialog.cbThumbSize->isEnabled());
        QVERIFY(!dialog.PnNumPos->isHidden());
        dialog.cbController->setCurrentIndex(1);
        QVERIFY(!dialog.PnNumPos->isHidden());
        dialog.cbController->setCurrentIndex(0);
        QVERIFY(dialog.PnNumPos->isHidden());
        dialog.cbFrame->setCurrentIndex(1);
        QVERIFY(dialog.PnFrameColor->isHidden());
        dialog.cbFrame->setCurrentIndex(2);
        QVERIFY(!dialog.PnFrameColor->isHidden());
    }

    void GradientFollowsTheBackgroundColours()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        dialog.Init(project);
        dialog.ColorThumbBG1->OpenPopup();
        dialog.ColorThumbBG1->Popup()->setCurrentColor(QColor(1, 2, 3));
        emit dialog.ColorThumbBG1->Popup()->colorSelected(QColor(1, 2, 3));
        QCOMPARE(dialog.GradPanel1->StartColor(), QColor(1, 2, 3));
        QCOMPARE(dialog.GradPanel1->EndColor(), QColor(0x21, 0x43, 0x65));
        dialog.Form2QorCSS(project);
        QCOMPARE(project.StartColor, TColor(0x00030201));
    }

    void RestoreStdSettingAppliesTheStoredFile()
    {
        TComQorCSS1 stored = TComQorCSS1::NewDialogSettings();
        ApplyDesign(stored);
        stored.SaveToFile(Folders().StdSettingFile);
        TFrmSetting dialog;
        TComQorCSS1 project = TComQorCSS1::NewProjectSettings();
        project.OutFolder = "/tmp/out/";
        dialog.RestoreStdSetting(project);
        TComQorCSS1 expected = TComQorCSS1::NewProjectSettings();
        ApplyDesign(expected);
        expected.OutFolder = "/tmp/out/";
        QCOMPARE(WriteProjectStream(project), WriteProjectStream(expected));
    }

    void RestoreStdSettingWithoutFileChangesNothing()
    {
        TFrmSetting dialog;
        TComQorCSS1 project = ProjectWithDesign();
        const std::string before = WriteProjectStream(project);
        dialog.RestoreStdSetting(project);
        QCOMPARE(WriteProjectStream(project), before);
    }

    void FactoryStandardResetsDesignAndOptions()
    {
        TFrmSetting dialog;
        dialog.Init(ProjectWithDesign());
        TSettingOptions options;
        options.ChAutoOpenLastProject = false;
        options.ChCheckUpdate = false;
        options.ChAddWrapperToClass = false;
        options.ChDemoMode = true;
        options.LSSample = 3;
        dialog.SetOptions(options);
        dialog.BtRestore->click();
        TComQorCSS1 factory = TComQorCSS1::NewDialogSettings();
        QVERIFY(factory.LoadFromFile(Folders().RscFolder + "stdSetting.qor"));
        QCOMPARE(dialog.cbImgSize->currentText().toStdString(),
                 std::to_string(factory.ImageWidth) + "x" + std::to_string(factory.ImageHeight));
        QCOMPARE(dialog.cbController->currentIndex(), factory.ControllerType);
        TSettingOptions after = dialog.Options();
        QVERIFY(after.ChAutoOpenLastProject);
        QVERIFY(after.ChCheckUpdate);
        QVERIFY(after.ChAddWrapperToClass);
        QVERIFY(!after.ChDemoMode);
        QCOMPARE(after.LSSample, 0);
    }

    void OptionsRoundTrip()
    {
        TFrmSetting dialog;
        TSettingOptions o;
        o.ChAddWrapperToClass = true;
        o.ChAutoOpenLastProject = false;
        o.ChCheckUpdate = false;
        o.ChDemoMode = true;
        o.ChIgnoreSampleSize = false;
        o.ChNoResizeSameSizeJPEG = false;
        o.LSSample = 2;
        o.ChWaterMark = true;
        o.WaterMark = "© 写真 2026";
        o.ChRemoveWorkDir = true;
        dialog.SetOptions(o);
        TSettingOptions back = dialog.Options();
        QCOMPARE(back.ChAddWrapperToClass, true);
        QCOMPARE(back.ChAutoOpenLastProject, false);
        QCOMPARE(back.ChCheckUpdate, false);
        QCOMPARE(back.ChDemoMode, true);
        QCOMPARE(back.ChIgnoreSampleSize, false);
        QCOMPARE(back.ChNoResizeSameSizeJPEG, false);
        QCOMPARE(back.LSSample, 2);
        QCOMPARE(back.ChWaterMark, true);
        QCOMPARE(back.WaterMark, o.WaterMark);
        QCOMPARE(back.ChRemoveWorkDir, true);
    }

    void ButtonsAskTheMainWindow()
    {
        TFrmSetting dialog;
        QSignalSpy update(&dialog, &TFrmSetting::CheckUpdateRequested);
        QSignalSpy associate(&dialog, &TFrmSetting::AssociateRequested);
        dialog.BtCheckUpdate->click();
        dialog.Button1->click();
        QCOMPARE(update.count(), 1);
        QCOMPARE(associate.count(), 1);
    }

    void DebugFlagShowsTheDeveloperControls()
    {
        TFrmSetting dialog;
        QVERIFY(dialog.BtSaveTemplate->isHidden());
        QVERIFY(dialog.ChDemoMode->isHidden());
        QVERIFY(dialog.ChIgnoreSampleSize->isHidden());
        dialog.SetDebugMode(true);
        QVERIFY(!dialog.BtSaveTemplate->isHidden());
        QVERIFY(!dialog.BtUpdateAllTemplates->isHidden());
        QVERIFY(!dialog.ChDemoMode->isHidden());
        QVERIFY(!dialog.PnPageHeader->isHidden());
    }

    void SaveAsTemplateWritesTheDesignWithoutPictures()
    {
        QTemporaryDir dir;
        const std::string file = dir.filePath("mine.qor").toStdString();
        TFrmSetting dialog;
        dialog.Init(ProjectWithDesign());
        dialog.SaveAsTemplate(file);
        TComQorCSS1 expected = TComQorCSS1::NewDialogSettings();
        ApplyDesign(expected);
        QCOMPARE(ReadBytes(file), WriteProjectStream(expected));
    }

    void ClosingWaitsForTheColourPopup()
    {
        TFrmSetting dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.ColorCmtText->OpenPopup();
        QVERIFY(dialog.IsColorPopupOpen());
        QTest::keyClick(dialog.ColorCmtText->Popup(), Qt::Key_Escape);
        QVERIFY(!dialog.IsColorPopupOpen());
        QVERIFY(dialog.isVisible());

        dialog.ColorCmtText->OpenPopup();
        dialog.close();
        QVERIFY(!dialog.IsColorPopupOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 2000);
        QVERIFY(!dialog.OKFlag());
    }
};

QOR_QTEST_MAIN(TFrmSettingTest)
#include "FrmSettingTest.moc"
