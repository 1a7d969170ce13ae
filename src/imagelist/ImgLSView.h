// What the picture list asks of the view that draws it. The list is the model: it decides
// and raises its events; the view draws, loads thumbnails and forwards gestures.
#pragma once

#include "imagelist/ThumbInfo.h"

#include <memory>

namespace qor {

// How cells without a thumbnail are drawn: with a placeholder while loaders fetch the
// picture, or with a thumbnail made at once.
enum class TThumbLoading { Background, DrawingTime };

class TImgLSView {
public:
    virtual ~TImgLSView() = default;
    // Draws the page again; the scroll position is the list's Position.
    virtual void Redraw(TThumbLoading loading) = 0;
    // Draws one cell at once, making its thumbnail on the spot.
    virtual void RedrawCellNow(int id) = 0;
    // Starts the idle loader for the entries without thumbnail.
    virtual void StartBackgroundLoading() = 0;
    // Asks every thumbnail loader to stop; they end after their current step.
    virtual void StopLoaders() = 0;
    virtual bool LoadersAlive() const = 0;
    // A copy of thumb with drawCount drawn on it, or a plain copy when drawCount is 0.
    virtual std::shared_ptr<TBmpScan> ComparedThumb(const TBmpScan& thumb, int drawCount) = 0;
};

} // namespace qor
