// TXEImgLS: the picture list as the window shows it, a grid of thumbnail cells over the list
// model TCustomImgLS. The model decides; this widget paints, loads thumbnails and forwards
// gestures.
#pragma once

#include "imagelist/CustomImgLS.h"

#include <QAbstractScrollArea>

#include <string>

namespace qor {

// Caption lines a cell can show, combined with |.
enum TILMCaption : unsigned {
    ilmcName = 1,
    ilmcTitle = 2,
    ilmcSize = 4,
    ilmcDate = 8,
    ilmcUpdate = 16,
    ilmcTopic = 32,
};

class TXEImgLS : public QAbstractScrollArea, public TCustomImgLS, public TImgLSView {
    Q_OBJECT
public:
    explicit TXEImgLS(QWidget* parent = nullptr);
    ~TXEImgLS() override;

    std::string CaptionDate = "作成日";
    std::string CaptionUpdate = "更新日";
    std::string HintFormat;

    unsigned CaptionSet() const { return FCaptionSet; }
    void SetCaptionSet(unsigned captions);
    void SetCellSize(int width, int height);
    void SetEmptyImageFile(const std::string& fileName);
    void SetHideEmptyImage(bool hide);
    void ShowCursorCell();
    std::string GetFileAtMouse() const;
    void RefreshPage(bool useThread);
    void Clear(bool refresh, bool notifyClear) override;

    // TImgLSView
    void Redraw(TThumbLoading loading) override;
    void RedrawCellNow(int id) override;
    void StartBackgroundLoading() override;
    void StopLoaders() override;
    bool LoadersAlive() const override;
    std::shared_ptr<TBmpScan> ComparedThumb(const TBmpScan& thumb, int drawCount) override;

signals:
    void DoubleClicked();
    void KeyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int RowAt(int y) const;

    unsigned FCaptionSet = ilmcName;
    bool FHideEmptyImage = false;
};

} // namespace qor
