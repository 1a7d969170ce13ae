#include "app/support/AppTestEnv.h"

#include "ListViewTestFiles.h"
#include "app/listview/XEImgLS.h"

namespace qor {

// On a screen of device pixel ratio 2 the grid keeps its logical sizes while thumbnails are
// made at the physical size.
class TXEImgLSHiDpiTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void ThumbnailsAreMadeAtThePhysicalSize()
    {
        std::string file =
            test::WriteJpeg(FDir.path().toStdString() + "/a.jpg", 640, 480, {30, 60, 90});
        TXEImgLS list;
        list.SetThumbCacheFolder(FDir.path().toStdString() + "/cache");
        list.resize(600, 400);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.devicePixelRatioF(), 2.0);
        list.AssignFileLS({file});
        QTRY_VERIFY_WITH_TIMEOUT(list.IdToPInfo(0)->bmp != nullptr, 10000);
        const TBmpScan& thumb = *list.IdToPInfo(0)->bmp;
        QCOMPARE(thumb.Width(), 360); // 640 × 480 in 360 × 320
        QCOMPARE(thumb.Height(), 270);
        QCOMPARE(list.Layout().GridW, 196);
        QCOMPARE(list.PictureRectInView(0).size(), QSize(180, 135));
        QCOMPARE(list.IdToPInfo(0)->Width, 640);
    }
};

} // namespace qor

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    qor::test::TAppTestEnv env;
    QApplication app(argc, argv);
    qor::TXEImgLSHiDpiTest tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "XEImgLSHiDpiTest.moc"
