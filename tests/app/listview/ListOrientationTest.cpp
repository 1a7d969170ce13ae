#include "app/support/AppTestEnv.h"

#include "app/listview/XEImgLS.h"
#include "imaging/Resamplers.h"
#include "imaging/XEResize.h"
#include "util/XEComFile.h"

#include <cstdlib>

namespace qor {

// The list's thumbnails against the build's slides on the public orientation suite: every
// EXIF orientation, the mirrored ones included, stands in a cell as it will in the gallery.
class TListOrientationTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

    // Mean difference per channel of the two pictures reduced to 12 × 12.
    static double Difference(const TBmpScan& a, const TBmpScan& b)
    {
        TBmpScan x = SmoothResize(a, 12, 12), y = SmoothResize(b, 12, 12);
        long sum = 0;
        for (int r = 0; r < 12; ++r)
            for (int c = 0; c < 12; ++c) {
                TTriple p = x.Scan(r)[c], q = y.Scan(r)[c];
                sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            }
        return sum / (12.0 * 12 * 3);
    }

private slots:
    void ThumbnailsStandAsTheSlides()
    {
        TStringList files = FindFilesList(QOR_TESTDATA_DIR "/exif-orientation", {".jpg"}, 1);
        QCOMPARE(int(files.size()), 18);
        TXEImgLS list;
        list.SetThumbCacheFolder(FDir.path().toStdString() + "/cache");
        list.resize(800, 600);
        list.show();
        list.AssignFileLS(files);
        QTRY_VERIFY_WITH_TIMEOUT(!list.LoadersAlive(), 30000);
        for (const PThumbInfo& e : list.Entries()) {
            TXEResize build; // the engine that makes the gallery's slides
            build.SetFileName(e->FileName);
            const TBmpScan& slide = *build.GetBmp();
            QCOMPARE(e->Width, slide.Width());
            QCOMPARE(e->Height, slide.Height());
            QVERIFY2(e->bmp && Difference(*e->bmp, slide) < 12, e->FileName.c_str());
        }
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TListOrientationTest)
#include "ListOrientationTest.moc"
