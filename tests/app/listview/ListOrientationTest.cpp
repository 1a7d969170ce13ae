#include "app/support/AppTestEnv.h"

#include "app/listview/XEImgLS.h"
#include "imaging/Resamplers.h"
#include "imaging/XEResize.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace qor {

// The picture list against the build on the public orientation suite: every EXIF orientation,
// mirrored ones included, must show in the list's cells as it will stand in the gallery.
class TListOrientationTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

    static TStringList SuiteFiles()
    {
        TStringList files;
        for (const auto& item :
             std::filesystem::directory_iterator(QOR_TESTDATA_DIR "/exif-orientation"))
            if (item.path().extension() == ".jpg") files.push_back(item.path().string());
        std::sort(files.begin(), files.end());
        return files;
    }

    // The build's slide of the file: the engine's upright picture at its full size.
    static TBmpScan Slide(const std::string& file)
    {
        TXEResize engine;
        engine.SetFileName(file);
        return *engine.GetBmp();
    }

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
        TStringList files = SuiteFiles();
        QCOMPARE(int(files.size()), 18);
        TXEImgLS list;
        list.SetThumbCacheFolder(FDir.path().toStdString() + "/cache");
        list.resize(800, 600);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.AssignFileLS(files);
        auto allLoaded = [&] {
            for (const PThumbInfo& e : list.Entries())
                if (!e->bmp) return false;
            return !list.LoadersAlive();
        };
        QTRY_VERIFY_WITH_TIMEOUT(allLoaded(), 30000);
        for (const PThumbInfo& e : list.Entries()) {
            TBmpScan slide = Slide(e->FileName);
            QVERIFY2(std::abs(e->bmp->Width() * slide.Height() -
                              e->bmp->Height() * slide.Width()) <= slide.Width() + slide.Height(),
                     e->FileName.c_str());
            QCOMPARE(e->Width, slide.Width());
            QCOMPARE(e->Height, slide.Height());
            double difference = Difference(*e->bmp, slide);
            QVERIFY2(difference < 12, (e->FileName + ": " + std::to_string(difference)).c_str());
        }
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TListOrientationTest)
#include "ListOrientationTest.moc"
