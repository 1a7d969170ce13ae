#include "app/support/AppTestEnv.h"

#include "ListViewTestFiles.h"
#include "app/listview/FreedesktopThumbCache.h"

#include <sys/stat.h>

#include <QProcess>

#include <filesystem>
#include <fstream>

namespace qor {

class TThumbCacheTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    std::string Root() const { return FDir.path().toStdString() + "/thumbnails"; }
    std::string File(const char* name) const { return FDir.path().toStdString() + "/" + name; }

    static TTriple PixelAtCentre(const TBmpScan& b)
    {
        return b.Scan(b.Height() / 2)[b.Width() / 2];
    }

private slots:
    void NamesFollowTheFreedesktopRules()
    {
        TFreedesktopThumbCache cache("/cache");
        QCOMPARE(TFreedesktopThumbCache::FileUri("/tmp/a b.jpg"),
                 std::string("file:///tmp/a%20b.jpg"));
        QCOMPARE(cache.ThumbPath("/tmp/a b.jpg", 256),
                 std::string("/cache/large/45f1b47640b52dc5428fd58ac89fec15.png"));
        QCOMPARE(cache.StoredSize(180, 160), 256);
        QCOMPARE(cache.StoredSize(360, 320), 512);
        QCOMPARE(cache.StoredSize(100, 128), 128);
        QCOMPARE(std::string(TFreedesktopThumbCache::SizeFolder(512)), std::string("x-large"));
        QVERIFY(QString::fromStdString(TFreedesktopThumbCache::DefaultRoot())
                    .startsWith(qEnvironmentVariable("XDG_CACHE_HOME")));
    }

    // Our thumbnails are valid for GLib itself, whatever the name; such a thumbnail is then
    // used without reading the picture, which is no picture any more but keeps its time.
    void DesktopSharesTheThumbnails()
    {
        TFreedesktopThumbCache cache(qEnvironmentVariable("XDG_CACHE_HOME").toStdString() +
                                     "/thumbnails");
        for (const char* name : {"plain.jpg", "two words.jpg", "r&d;x.jpg", "[1]#2%3?.jpg",
                                 "a+b=c,d'e!(x)~*@$.jpg", "na\xC3\xAFve \xE6\x97\xA5.jpg"}) {
            std::string file = test::WriteJpeg(File(name), 300, 200, {200, 200, 200});
            QVERIFY(MakeThumbnail({file, 180, 160, 0, false, true}, &cache, nullptr).Bmp);
            QProcess gio;
            gio.start("gio", {"info", "-a", "thumbnail::is-valid", QString::fromStdString(file)});
            QVERIFY(gio.waitForFinished(10000));
            QVERIFY2(gio.readAllStandardOutput().contains("thumbnail::is-valid: TRUE"), name);
            auto time = std::filesystem::last_write_time(file);
            std::ofstream(file, std::ios::trunc) << "no picture any more";
            std::filesystem::last_write_time(file, time);
            TThumbResult again = MakeThumbnail({file, 180, 160, 0, false, true}, &cache, nullptr);
            QVERIFY2(again.Bmp && again.Width == 300 && again.Height == 200, name);
        }
    }

    void FolderReachedThroughALinkKeepsItsPermissions()
    {
        std::string shared = File("shared-large"), root = File("linked");
        std::filesystem::create_directories(root);
        QCOMPARE(::mkdir(shared.c_str(), 0755), 0);
        std::filesystem::create_directory_symlink(shared, root + "/large");
        std::string file = test::WriteJpeg(File("linked.jpg"), 300, 200, {9, 9, 9});
        TFreedesktopThumbCache cache(root);
        QVERIFY(MakeThumbnail({file, 180, 160, 0, false, true}, &cache, nullptr).Bmp);
        struct stat st {};
        QCOMPARE(::stat(shared.c_str(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0755);
        QVERIFY(std::filesystem::exists(cache.ThumbPath(file, 256)));
    }

    void FirstThumbnailIsDecodedTurnedAndStored()
    {
        std::string file = test::WriteJpeg(File("turned.jpg"), 800, 400, {10, 20, 200}, 6);
        TFreedesktopThumbCache cache(Root());
        TThumbResult r = MakeThumbnail({file, 180, 160, 0, false, true}, &cache, nullptr);
        QVERIFY(r.Bmp);
        QCOMPARE(r.ExifAngle, 90);
        QCOMPARE(r.Width, 400); // the picture's own size after the turn
        QCOMPARE(r.Height, 800);
        QCOMPARE(r.Bmp->Width(), 80);
        QCOMPARE(r.Bmp->Height(), 160);
        std::string stored = cache.ThumbPath(file, 256);
        struct stat st {};
        QCOMPARE(::stat(stored.c_str(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
        QImage thumb(QString::fromStdString(stored));
        QCOMPARE(thumb.text("Thumb::URI").toStdString(), TFreedesktopThumbCache::FileUri(file));
        QCOMPARE(thumb.text("Thumb::MTime").toLongLong(),
                 QFileInfo(QString::fromStdString(file)).lastModified().toSecsSinceEpoch());
        QCOMPARE(thumb.size(), QSize(128, 256)); // upright, within 256
    }

    void StoredThumbnailIsUsedWithThePicturesOwnSize()
    {
        std::string file = test::WriteJpeg(File("cached.jpg"), 600, 300, {200, 200, 200});
        TFreedesktopThumbCache cache(Root());
        TBmpScan red(256, 128);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 256; ++x)
                red.Scan(y)[x] = {0, 0, 255};
        cache.Save(file, 256, red, 600, 300);
        TThumbResult r = MakeThumbnail({file, 180, 160, 0, false, true}, &cache, nullptr);
        QVERIFY(r.Bmp);
        TTriple c = PixelAtCentre(*r.Bmp);
        QVERIFY(c.r > 240 && c.g < 15 && c.b < 15); // the stored picture, not the file's grey
        QCOMPARE(r.Width, 600);                     // kept with the thumbnail
        QCOMPARE(r.Height, 300);
        QCOMPARE(r.Bmp->Width(), 180);
        QCOMPARE(r.Bmp->Height(), 90);
        // The user's turn applies to the stored picture too.
        TThumbResult turned = MakeThumbnail({file, 180, 160, 90, false, true}, &cache, nullptr);
        QCOMPARE(turned.Bmp->Width(), 80);
        QCOMPARE(turned.Bmp->Height(), 160);
        QCOMPARE(turned.Width, 600);
    }

    void ThumbnailOfAnOlderFileIsIgnored()
    {
        std::string file = test::WriteJpeg(File("changed.jpg"), 300, 300, {200, 200, 200});
        TFreedesktopThumbCache cache(Root());
        TBmpScan black(100, 100);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                black.Scan(y)[x] = {0, 0, 0};
        cache.Save(file, 256, black, 300, 300);
        std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                                   std::chrono::seconds(5));
        TThumbResult r = MakeThumbnail({file, 180, 160, 0, false, true}, &cache, nullptr);
        QVERIFY(r.Bmp);
        QVERIFY(PixelAtCentre(*r.Bmp).g > 150); // decoded again from the file
        QCOMPARE(r.Bmp->Width(), 160);
    }

    void DamagedPictureIsRecordedAsFailure()
    {
        std::string file = File("damaged.jpg");
        std::ofstream(file) << "not a picture at all";
        TFreedesktopThumbCache cache(Root());
        QVERIFY(!cache.KnownFailure(file));
        TThumbResult r = MakeThumbnail({file, 180, 160, 0, false, true}, &cache, nullptr);
        QVERIFY(!r.Bmp);
        QVERIFY(!r.NotFound);
        QVERIFY(cache.KnownFailure(file));
        QVERIFY(std::filesystem::exists(Root() + "/fail/qorgallery"));
        QVERIFY(!MakeThumbnail({file, 180, 160, 0, false, true}, &cache, nullptr).Bmp);
    }

    void MissingFileShowsTheNotFoundPicture()
    {
        TBmpScan notFound(180, 135);
        TThumbResult r =
            MakeThumbnail({File("missing.jpg"), 90, 90, 0, false, true}, nullptr, &notFound);
        QVERIFY(r.NotFound);
        QCOMPARE(r.Width, 180);
        QCOMPARE(r.Height, 135);
        QCOMPARE(r.Bmp->Width(), 90);
        TThumbResult blank =
            MakeThumbnail({File("missing.jpg"), 90, 90, 0, false, true}, nullptr, nullptr);
        QCOMPARE(blank.Width, 64);
    }

    void LargeJpegUsesTheReducedScale()
    {
        // 2000 wide: the 1/8 decode (250 × 125) already covers the 180 × 160 box.
        std::string file = test::WriteJpeg(File("large.jpg"), 2000, 1000, {90, 90, 90});
        TThumbResult r = MakeThumbnail({file, 180, 160, 0, false, false}, nullptr, nullptr);
        QCOMPARE(r.Width, 2000);
        QCOMPARE(r.Height, 1000);
        QCOMPARE(r.Bmp->Width(), 180);
        QCOMPARE(r.Bmp->Height(), 90);
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TThumbCacheTest)
#include "ThumbCacheTest.moc"
