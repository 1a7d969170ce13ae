#include "app/support/AppTestEnv.h"

#include "ListViewTestFiles.h"
#include "app/widgets/BmpImage.h"
#include "app/listview/XEImgLS.h"
#include "imaging/PngCodec.h"

#include <QDir>
#include <QHelpEvent>
#include <QToolTip>

#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace qor {

class TXEImgLSTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    TStringList FPictures; // 12 small JPEGs, made once
    std::unique_ptr<TXEImgLS> FList;

    std::string Path(const std::string& name) const
    {
        return FDir.path().toStdString() + "/" + name;
    }

    // A list 600 × 500 without frame: 2 columns of 196 (600 - 17 - 10 = 573).
    void MakeList()
    {
        FList = std::make_unique<TXEImgLS>();
        FList->setFrameShape(QFrame::NoFrame);
        FList->SetThumbCacheFolder(Path("cache-" + std::to_string(++FCacheNo)));
        FList->resize(600, 500);
        FList->show();
        QVERIFY(QTest::qWaitForWindowExposed(FList.get()));
    }
    int FCacheNo = 0;

    bool AllLoaded() const
    {
        for (const PThumbInfo& e : FList->Entries())
            if (!e->bmp) return false;
        return !FList->LoadersAlive();
    }

    QPoint CellCentre(int id) const
    {
        TRect r = SlotCellRect(FList->Layout(), id);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 - FList->Position};
    }

    void Mouse(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QWidget* vp = FList->viewport();
        QMouseEvent event(type, QPointF(pos), vp->mapToGlobal(QPointF(pos)), button, buttons,
                          modifiers);
        QApplication::sendEvent(vp, &event);
    }
    void Press(QPoint pos, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        Mouse(QEvent::MouseButtonPress, pos, Qt::LeftButton, m);
    }
    void MoveTo(QPoint pos) { Mouse(QEvent::MouseMove, pos, Qt::LeftButton); }
    void Release(QPoint pos) { Mouse(QEvent::MouseButtonRelease, pos, Qt::NoButton); }
    void Click(QPoint pos, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        Press(pos, m);
        Release(pos);
    }

    std::vector<int> SelectedIds() const
    {
        std::vector<int> ids;
        for (int i = 0; i < FList->Count(); ++i)
            if (FList->IdToPInfo(i)->Selected) ids.push_back(i);
        return ids;
    }

    TStringList Missing(int count) const
    {
        TStringList names;
        for (int i = 0; i < count; ++i)
            names.push_back(Path("missing/" + std::to_string(i) + ".jpg"));
        return names;
    }

private slots:
    void initTestCase()
    {
        FPictures = test::WriteJpegs(FDir.path().toStdString(), 12, 640, 480);
        QCOMPARE(int(FPictures.size()), 12);
    }

    void init() { MakeList(); }
    void cleanup() { FList.reset(); }

    void ColumnsFollowTheWidth()
    {
        FList->resize(541, 400);
        QCOMPARE(FList->Layout().ColNum, 2);
        FList->resize(120, 400);
        QCOMPARE(FList->Layout().ColNum, 1);
    }

    // A named pipe called .jpg is no picture: the loaders pass it at once instead of waiting
    // in open() for a writer that never comes.
    void APipeAmongThePicturesDoesNotHoldTheLoaders()
    {
        std::string pipe = Path("pipe.jpg");
        QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
        FList->AssignFileLS({FPictures[0], pipe, FPictures[1]});
        QTRY_VERIFY_WITH_TIMEOUT(!FList->LoadersAlive(), 10000);
        QVERIFY(FList->IdToPInfo(0)->bmp && !FList->IdToPInfo(1)->bmp && FList->IdToPInfo(2)->bmp);
        std::filesystem::remove(pipe);
    }

    void ThumbnailsLoadOffTheMainThread()
    {
        FList->AssignFileLS(FPictures);
        // Nothing was decoded while the list was filled: the window kept answering.
        for (const PThumbInfo& e : FList->Entries())
            QVERIFY(!e->bmp);
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(), 10000);
        for (const PThumbInfo& e : FList->Entries()) {
            QCOMPARE(e->Width, 640);
            QCOMPARE(e->Height, 480);
            QCOMPARE(e->bmp->Width(), 180);
            QCOMPARE(e->bmp->Height(), 135);
        }
        QVERIFY(FList->CanClose());
    }

    void WarmCacheGivesThumbnailsAgain()
    {
        FList->AssignFileLS(FPictures);
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(), 10000);
        std::string cache = Path("cache-" + std::to_string(FCacheNo) + "/large");
        int stored = int(std::distance(std::filesystem::directory_iterator(cache),
                                       std::filesystem::directory_iterator()));
        QCOMPARE(stored, 12);
        FList->Clear(true, true);
        FList->AssignFileLS(FPictures);
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(), 10000);
        QCOMPARE(FList->IdToPInfo(3)->Width, 640);
    }

    void EntryDeletedWhileItsThumbnailIsMade()
    {
        FList->AssignFileLS(FPictures);
        TThumbList held = FList->Entries();
        FList->SelectALL(true, false, true);
        FList->Delete(); // before any decode could be delivered
        QCOMPARE(FList->Count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!FList->LoadersAlive(), 10000);
        QTest::qWait(50);
        for (const PThumbInfo& e : held)
            QVERIFY(!e->bmp);
        FList->Undo(); // back in the list: loaded again
        QCOMPARE(FList->Count(), 12);
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(), 10000);
    }

    void ClearWhileLoading()
    {
        FList->AssignFileLS(FPictures);
        TThumbList held = FList->Entries();
        FList->Clear(true, true);
        QCOMPARE(FList->Count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(FList->CanClose(), 10000);
        QTest::qWait(50);
        for (const PThumbInfo& e : held)
            QVERIFY(!e->bmp);
    }

    // Pictures that take a while to decode (phone photos, large PNGs) are still being made when
    // the loaders restart (a new cell size, another screen): they reach their cells all the same.
    void DecodesRunningWhenTheLoadersRestartStillReachTheirCells()
    {
        TStringList slow;
        TBmpScan picture(2400, 1800);
        for (int i = 0; i < 12; ++i) {
            slow.push_back(Path("slow" + std::to_string(i) + ".png"));
            SavePng(slow.back(), picture, {}, false);
        }
        // The same request still served, then one the running decodes no longer answer.
        for (bool requestChanges : {false, true}) {
            FList->Clear(true, true);
            FList->AssignFileLS(slow);
            QTRY_VERIFY_WITH_TIMEOUT(FList->IdToPInfo(0)->bmp || FList->IdToPInfo(1)->bmp, 10000);
            FList->StopLoaders();
            if (requestChanges) FList->ThumbSmoothStretch = !FList->ThumbSmoothStretch;
            FList->StartBackgroundLoading();
            QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(), 10000);
        }
        FList->ThumbSmoothStretch = false;
    }

    void DamagedPictureKeepsItsPlaceholder()
    {
        std::string damaged = Path("damaged.jpg");
        std::ofstream(damaged) << "JFIF? no.";
        TStringList files = {FPictures[0], damaged, FPictures[1]};
        FList->AssignFileLS(files);
        QTRY_VERIFY_WITH_TIMEOUT(FList->IdToPInfo(0)->bmp && FList->IdToPInfo(2)->bmp, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!FList->LoadersAlive(), 10000);
        PThumbInfo bad = FList->IdToPInfo(1);
        QVERIFY(!bad->bmp);
        QVERIFY(!bad->NotFound);
        QVERIFY(!FList->viewport()->grab().isNull());
    }

    void MissingFileShowsNotFound()
    {
        FList->AssignFileLS(Missing(1));
        QTRY_VERIFY_WITH_TIMEOUT(FList->IdToPInfo(0)->bmp != nullptr, 10000);
        QVERIFY(FList->IdToPInfo(0)->NotFound);
        QCOMPARE(FList->IdToPInfo(0)->Width, 180);
        QCOMPARE(FList->IdToPInfo(0)->Height, 135);
    }

    void ClicksSelect()
    {
        FList->AssignFileLS(Missing(8));
        Click(CellCentre(1));
        QCOMPARE(SelectedIds(), (std::vector<int>{1}));
        QCOMPARE(FList->CursorId(), 1);
        Click(CellCentre(2), Qt::ControlModifier);
        QCOMPARE(SelectedIds(), (std::vector<int>{1, 2}));
        Click(CellCentre(2), Qt::ControlModifier); // off again: the cursor stays where it was
        QCOMPARE(SelectedIds(), (std::vector<int>{1}));
        QCOMPARE(FList->CursorId(), 2);
        Click(CellCentre(4), Qt::ShiftModifier); // from the last plain click
        QCOMPARE(SelectedIds(), (std::vector<int>{1, 2, 3, 4}));
        Press(CellCentre(3)); // a press on a selected entry keeps the selection for a drag
        QCOMPARE(SelectedIds(), (std::vector<int>{1, 2, 3, 4}));
        Release(CellCentre(3)); // and a release without a drag makes it the only one
        QCOMPARE(SelectedIds(), (std::vector<int>{3}));
        Press(QPoint(5, 5 + FList->Layout().Gridh * 3)); // below the last row: empty
        QCOMPARE(SelectedIds(), std::vector<int>{});
        QCOMPARE(FList->CursorId(), -1);
        QCOMPARE(FList->DragStat(), 4);
    }

    void RubberBandSelectsWhatItTouches()
    {
        FList->AssignFileLS(Missing(5)); // 2 columns, 3 rows, the last slot empty
        QPoint start = CellCentre(5);
        Press(start);
        QPoint end = CellCentre(2);
        MoveTo(end);
        QCOMPARE(FList->DragStat(), 4);
        // From the empty slot up and left to the centre of entry 2: rows 1-2 of both columns.
        QCOMPARE(SelectedIds(), (std::vector<int>{2, 3, 4}));
        QImage shown = FList->viewport()->grab().toImage();
        QColor band = shown.pixelColor((start + end) / 2);
        QColor outside = shown.pixelColor(CellCentre(0));
        QVERIFY(band.blue() > band.red() + 60); // the band's blue is blended over the page
        QVERIFY(outside.blue() < outside.red() + 60);
        Release(end);
        QCOMPARE(FList->DragStat(), 0);
        QCOMPARE(SelectedIds(), (std::vector<int>{2, 3, 4}));
    }

    void DraggingMovesSelectedEntriesAsOneUndoStep()
    {
        FList->AssignFileLS(Missing(6));
        TStringList before = FList->Items();
        Click(CellCentre(0));
        Click(CellCentre(1), Qt::ControlModifier);
        QPoint from = CellCentre(1);
        Press(from);
        MoveTo(from + QPoint(3, 3));
        QCOMPARE(FList->DragStat(), 1); // three pixels do not start a move
        MoveTo(from + QPoint(0, 4));
        QCOMPARE(FList->DragStat(), 3);
        TRect target = SlotCellRect(FList->Layout(), 4);
        QPoint rightHalfOf4(target.Right - 10, (target.Top + target.Bottom) / 2 - FList->Position);
        MoveTo(rightHalfOf4);
        QCOMPARE(FList->InsertIdAt(rightHalfOf4), 5);
        QVERIFY(!FList->viewport()->grab().isNull()); // the count and the mark are drawn
        Release(rightHalfOf4);
        TStringList after = FList->Items();
        TStringList expected = {before[2], before[3], before[4], before[0], before[1], before[5]};
        QCOMPARE(after, expected);
        FList->Undo();
        QCOMPARE(FList->Items(), before);
    }

    void ADragReleasedWhereNoMarkShowsMovesNothing()
    {
        FList->AssignFileLS(Missing(4));
        TStringList before = FList->Items();
        const TGridLayout& g = FList->Layout();
        QPoint rightOfTheGrid(g.M.OffsetBaseX + g.ColNum * g.GridW + 3, CellCentre(0).y());
        QPoint overTheScrollBar(FList->viewport()->width() + 5, CellCentre(0).y());
        for (QPoint release : {rightOfTheGrid, overTheScrollBar, QPoint(CellCentre(0).x(), -30)}) {
            Click(CellCentre(0));
            Press(CellCentre(0));
            MoveTo(CellCentre(0) + QPoint(0, 10));
            MoveTo(release);
            QCOMPARE(FList->DragStat(), 3);
            Release(release);
            QCOMPARE(FList->Items(), before);
        }
    }

    void DroppingOnADraggedEntryChangesNothing()
    {
        FList->AssignFileLS(Missing(4));
        TStringList before = FList->Items();
        Click(CellCentre(0));
        Click(CellCentre(1), Qt::ControlModifier);
        Press(CellCentre(0));
        MoveTo(CellCentre(0) + QPoint(10, 0));
        MoveTo(CellCentre(1) - QPoint(40, 0)); // left half of entry 1: insert before it
        Release(CellCentre(1) - QPoint(40, 0));
        QCOMPARE(FList->Items(), before);
        QVERIFY(!FList->CanUndo());
    }

    void KeysMoveTheCursorAndFind()
    {
        FList->AssignFileLS(FPictures); // pic000 .. pic011
        FList->SetItemIndex(-1);
        QSignalSpy keys(FList.get(), &TXEImgLS::KeyPressed);
        QTest::keyClick(FList.get(), Qt::Key_Right);
        QCOMPARE(FList->CursorId(), 1);
        QTest::keyClick(FList.get(), Qt::Key_Down);
        QCOMPARE(FList->CursorId(), 3);
        QTest::keyClick(FList.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(SelectedIds(), (std::vector<int>{3, 4}));
        QTest::keyClick(FList.get(), Qt::Key_End);
        QCOMPARE(FList->CursorId(), 11);
        QVERIFY(FList->Position > 0);            // the view follows the cursor
        QTest::keyClick(FList.get(), Qt::Key_P); // every name starts with p: the next one, wrapped
        QCOMPARE(FList->CursorId(), 0);
        QCOMPARE(FList->Position, 0);
        QTest::keyClick(FList.get(), Qt::Key_Return);
        QCOMPARE(SelectedIds(), (std::vector<int>{0}));
        QTest::keyClick(FList.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(int(SelectedIds().size()), 12);
        int listKeys = 0; // modifier keys are passed on too
        for (const QList<QVariant>& k : keys)
            listKeys += (k[0].toInt() != Qt::Key_Shift && k[0].toInt() != Qt::Key_Control);
        QCOMPARE(listKeys, 7);
    }

    void KeysOnAnEmptyList()
    {
        QSignalSpy keys(FList.get(), &TXEImgLS::KeyPressed);
        QTest::keyClick(FList.get(), Qt::Key_Right);
        QCOMPARE(keys.count(), 0); // not passed on
        QTest::keyClick(FList.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(keys.count(), 1);
    }

    void EmptyListShowsItsPicture()
    {
        auto inkAtCentreRow = [this] {
            QImage shown = FList->viewport()->grab().toImage();
            const int y = FList->viewport()->height() / 2 + 26; // the title's line
            int inked = 0;
            for (int x = 0; x < shown.width(); ++x) inked += shown.pixelColor(x, y) != FList->Color;
            return inked;
        };
        FList->SetEmptyMessage({});
        QCOMPARE(inkAtCentreRow(), 0);
        FList->SetEmptyMessage({"Drop pictures here", "or a folder"});
        QVERIFY(inkAtCentreRow() > 20);
        FList->SetHideEmptyImage(true);
        QCOMPARE(inkAtCentreRow(), 0);
        FList->SetHideEmptyImage(false);
        const int empty = inkAtCentreRow();
        FList->AssignFileLS(Missing(1));
        QVERIFY(inkAtCentreRow() != empty);
    }

    void RotatedEntryGetsItsNewThumbnail()
    {
        FList->AssignFileLS({FPictures[0]});
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(), 10000);
        FList->SetItemIndex(0);
        FList->Flip(1);
        QTRY_VERIFY_WITH_TIMEOUT(FList->IdToPInfo(0)->bmp != nullptr, 10000);
        PThumbInfo e = FList->IdToPInfo(0);
        QCOMPARE(e->bmp->Width(), 120); // 480 × 640 fitted in 180 × 160
        QCOMPARE(e->bmp->Height(), 160);
        QCOMPARE(e->Width, 640);
        QCOMPARE(e->Height, 480);
    }

    void ScrollingRebuildsOnlyForJumps()
    {
        QSignalSpy info(FList.get(), &TXEImgLS::ScrollInfoChanged);
        QSignalSpy moved(FList.get(), &TXEImgLS::PositionChanged);
        FList->AssignFileLS(Missing(200)); // 100 rows
        const TGridLayout& g = FList->Layout();
        QVERIFY(!info.isEmpty());
        QCOMPARE(info.last()[0].toInt(), 100 * g.Gridh);
        QCOMPARE(info.last()[1].toInt(), 500);
        QCOMPARE(FList->verticalScrollBar()->maximum(), g.ScrollMax - 500);
        QCOMPARE(FList->verticalScrollBar()->pageStep(), 500);
        FList->SetPosition(g.Gridh);
        QCOMPARE(FList->TopDot(), 0);
        FList->SetPosition(g.Gridh * 10);
        QCOMPARE(FList->TopDot(), g.Gridh * 9);
        FList->SetPosition(1 << 24);
        QCOMPARE(FList->Position, g.ScrollMax - 500);
        QCOMPARE(moved.last()[0].toInt(), FList->Position);
        QCOMPARE(FList->verticalScrollBar()->value(), FList->Position);
        QWheelEvent wheel(QPointF(50, 50), FList->mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(FList->viewport(), &wheel);
        QCOMPARE(FList->Position, g.ScrollMax - 500 - g.Gridh / 2);
        FList->SetCursorId(0);
        FList->ShowCursorCell();
        QCOMPARE(FList->Position, 0);
    }

    void DroppedFilesGoToTheInsertionPosition()
    {
        FList->AssignFileLS(Missing(3));
        TStringList before = FList->Items();
        TRect cell0 = SlotCellRect(FList->Layout(), 0);
        QPoint rightHalf(cell0.Right - 5, cell0.Top + 20);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(FPictures[5])),
                      QUrl::fromLocalFile(QString::fromStdString(Path("notes.txt")))});
        QDragEnterEvent enter(rightHalf, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FList->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(rightHalf), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FList->viewport(), &drop);
        QCOMPARE(FList->Items(), (TStringList{before[0], FPictures[5], before[1], before[2]}));
    }

    void HintShowsTheFileFactsUnlessTheCaptionsDo()
    {
        FList->AssignFileLS({FPictures[0]});
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(), 10000);
        FList->SetCaptionSet(ilmcName | ilmcSize);
        QCOMPARE(FList->Layout().CaptionHt, 2 * QFontMetrics(FList->font()).height());
        QPoint inPicture = FList->PictureRectInView(0).center();
        QWidget* vp = FList->viewport();
        QHelpEvent help(QEvent::ToolTip, inPicture, vp->mapToGlobal(inPicture));
        QApplication::sendEvent(vp, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().startsWith("ファイル名:pic000.jpg\nサイズ:"));
        QVERIFY(QToolTip::text().contains(",  640x480\n作成日:"));
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        FList->SetCaptionSet(ilmcName | ilmcSize | ilmcDate | ilmcUpdate);
        QApplication::sendEvent(vp, &help);
        QTest::qWait(20);
        QVERIFY(!QToolTip::isVisible());
    }

    void SideButtonsShowTheirPictureAndReportClicks()
    {
        QDir().mkpath(QString::fromStdString(Path("buttons")));
        QImage red(40, 40, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(QString::fromStdString(Path("buttons/0.png"))));
        FList->SetSideButtonFolder(Path("buttons"));
        FList->mChangeSideButtonMode(true, 100, 5);
        QCOMPARE(FList->Layout().GridW, 180 + 5 + 100 + 6);
        FList->AssignFileLS(Missing(2));
        FList->IdToPInfo(1)->btnId = 3; // no such picture: a grey face
        FList->RefreshPage(true);
        int reported = -2;
        FList->OnSelectButton = [&](TCustomImgLS&, int index, PThumbInfo&,
                                    const std::shared_ptr<TBmpScan>&) { reported = index; };
        TRect b0 = SideButtonRect(FList->Layout(), SlotCellRect(FList->Layout(), 0));
        TRect b1 = SideButtonRect(FList->Layout(), SlotCellRect(FList->Layout(), 1));
        QPoint c0((b0.Left + b0.Right) / 2, (b0.Top + b0.Bottom) / 2);
        QPoint c1((b1.Left + b1.Right) / 2, (b1.Top + b1.Bottom) / 2);
        QImage shown = FList->viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(c0), QColor(Qt::red));
        QColor grey = shown.pixelColor(c1);
        QVERIFY(grey.red() == grey.blue() && grey.red() >= 128 && grey.red() <= 192);
        Click(c1);
        QCOMPARE(reported, 1);
        FList->mChangeSideButtonMode(false, 100, 5);
        QCOMPARE(FList->Layout().GridW, 196);
    }

    void ComparedThumbCarriesTheCount()
    {
        FList->AssignFileLS({FPictures[0], FPictures[1]});
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(), 10000);
        FList->SelectALL(true, false, true);
        QVERIFY(FList->CompareSelInfo());
        std::shared_ptr<TBmpScan> plain = FList->GetComparedThumb(false);
        std::shared_ptr<TBmpScan> counted = FList->GetComparedThumb(true);
        QVERIFY(plain && counted);
        QCOMPARE(ImageOf(*plain), ImageOf(*FList->IdToPInfo(1)->bmp));
        QVERIFY(ImageOf(*counted) != ImageOf(*plain));
        FList->SetItemIndex(0);
        QVERIFY(FList->CompareSelInfo());
        QCOMPARE(ImageOf(*FList->GetComparedThumb(true)), ImageOf(*FList->IdToPInfo(0)->bmp));
    }

    void FarThumbnailsAreDroppedWithinTheMemoryLimit()
    {
        FList->ThumbMemoryLimit = 30 * 180 * 3 * 135; // about 30 thumbnails
        FList->AssignFileLS(Missing(150));
        QTRY_VERIFY_WITH_TIMEOUT(!FList->LoadersAlive(), 10000);
        QVERIFY(FList->ThumbBytes() <= FList->ThumbMemoryLimit);
        QVERIFY(FList->IdToPInfo(0)->bmp != nullptr); // the visible ones stay
        QVERIFY(FList->IdToPInfo(149)->bmp == nullptr);
        FList->SetPosition(FList->Layout().ScrollMax); // and come back when shown
        QTRY_VERIFY_WITH_TIMEOUT(FList->IdToPInfo(149)->bmp != nullptr, 10000);
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TXEImgLSTest)
#include "XEImgLSTest.moc"
