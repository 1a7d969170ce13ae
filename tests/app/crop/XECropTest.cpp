#include "app/support/AppTestEnv.h"

#include "app/crop/CropMouse.h"
#include "app/crop/XECrop.h"

#include <QSignalSpy>

using namespace qor;
using qor::test::Drag;
using qor::test::SendMouse;

namespace {

// A 4000 x 3000 picture in an 840 x 541 control with the slide aspect 720 : 300.
struct TLargePicture {
    TXECrop crop;
    TLargePicture()
    {
        crop.resize(840, 541);
        crop.ChangeAspect(720, 300);
        crop.SetTint({0x333333, 100});
        crop.SetAlphaInvert(true);
        crop.SetBmp(TBmpScan(4000, 3000));
    }
};

} // namespace

class TXECropTest : public QObject {
    Q_OBJECT

private slots:
    void LayoutOfALargePicture()
    {
        TLargePicture p;
        QCOMPARE(p.crop.ImageR(), (TRect{69, 7, 772, 534}));
        QCOMPARE(p.crop.CropR(), (TRect{0, 666, 4000, 2333}));
        QCOMPARE(p.crop.AlphaR(), (TRect{69, 124, 772, 417}));
    }

    void OutsideTheCropIsDarkened()
    {
        TLargePicture p;
        QImage shown = p.crop.DisplayImage();
        QCOMPARE(shown.size(), QSize(840, 541));
        // White under the tint: (255 * 156 + 51 * 100) div 256 = 175.
        QCOMPARE(shown.pixelColor(300, 60), QColor(175, 175, 175));
        QCOMPARE(shown.pixelColor(120, 200), QColor(255, 255, 255));
        QCOMPARE(shown.pixelColor(2, 2), QColor(255, 255, 255)); // the control's colour
        // The frame inverts white to black.
        QCOMPARE(shown.pixelColor(300, 124), QColor(0, 0, 0));
        p.crop.SetColor(QColor(128, 128, 128));
        QCOMPARE(p.crop.DisplayImage().pixelColor(2, 2), QColor(128, 128, 128));
    }

    void AutoCropIsNoCropOfTheUser()
    {
        TLargePicture p;
        QCOMPARE(p.crop.GetValidCropR(), TRect{});
        QVERIFY(p.crop.IsSameWithAutoCropRect());
        p.crop.SetCropR({0, 0, 2400, 1000});
        QCOMPARE(p.crop.GetValidCropR(), (TRect{0, 0, 2400, 1000}));
        p.crop.SetCropR({});
        QCOMPARE(p.crop.CropR(), (TRect{0, 666, 4000, 2333}));
        QCOMPARE(p.crop.GetValidCropR(), TRect{});
    }

    void DragMovesTheCropInPicturePixels()
    {
        TLargePicture p;
        QSignalSpy cropped(&p.crop, &TXECrop::Cropped);
        Drag(&p.crop, {400, 300}, {400, 310});
        QCOMPARE(p.crop.CropR(), (TRect{0, 723, 4000, 2391}));
        QCOMPARE(p.crop.GetValidCropR(), (TRect{0, 723, 4000, 2391}));
        QCOMPARE(cropped.count(), 1);
        p.crop.DoAutoCrop();
        QCOMPARE(p.crop.GetValidCropR(), TRect{});
    }

    void ClickWithoutMoveKeepsTheCrop()
    {
        TLargePicture p;
        p.crop.SetCropR({0, 0, 2400, 1003}); // a stored crop a little off the aspect
        QSignalSpy cropped(&p.crop, &TXECrop::Cropped);
        Drag(&p.crop, {300, 60}, {300, 60});
        QCOMPARE(p.crop.CropR(), (TRect{0, 0, 2400, 1003}));
        QCOMPARE(cropped.count(), 0);
    }

    void SmallPictureIsNotEnlarged()
    {
        TXECrop crop;
        crop.resize(840, 541);
        crop.SetBmp(TBmpScan(400, 300));
        QCOMPARE(crop.ImageR(), (TRect{220, 120, 620, 420}));
    }

    void PointerFollowsTheZone()
    {
        TLargePicture p;
        SendMouse(&p.crop, QEvent::MouseMove, {400, 300}, Qt::NoButton);
        QCOMPARE(p.crop.cursor().shape(), Qt::OpenHandCursor);
        SendMouse(&p.crop, QEvent::MouseMove, {768, 300}, Qt::NoButton);
        QCOMPARE(p.crop.cursor().shape(), Qt::SizeHorCursor);
        SendMouse(&p.crop, QEvent::MouseMove, {400, 128}, Qt::NoButton);
        QCOMPARE(p.crop.cursor().shape(), Qt::SizeVerCursor);
        SendMouse(&p.crop, QEvent::MouseMove, {768, 414}, Qt::NoButton);
        QCOMPARE(p.crop.cursor().shape(), Qt::SizeFDiagCursor);
        SendMouse(&p.crop, QEvent::MouseMove, {20, 20}, Qt::NoButton);
        QCOMPARE(p.crop.cursor().shape(), Qt::ArrowCursor);
    }

    void LoadsAndTurnsAPhoto()
    {
        TXECrop crop;
        crop.resize(600, 400);
        crop.ChangeAspect(4, 3);
        crop.SetFileName(std::string(QOR_TESTDATA_DIR) + "/exif-orientation/Portrait_6.jpg");
        QVERIFY(crop.GetBmp());
        QVERIFY(crop.GetBmp()->Height() > crop.GetBmp()->Width()); // upright portrait
        QCOMPARE(crop.ExifAngle(), 90);
        crop.SetFileName("no-such-picture.jpg");
        QVERIFY(!crop.GetBmp());
        // As the crop dialog does for an entry whose file is missing: its own crop stays.
        crop.SetCropR({});
        QCOMPARE(crop.GetValidCropR(), TRect{});
        crop.SetCropR({1, 2, 30, 40});
        QCOMPARE(crop.GetValidCropR(), (TRect{1, 2, 30, 40}));
    }
};

QOR_QTEST_MAIN(TXECropTest)
#include "XECropTest.moc"
