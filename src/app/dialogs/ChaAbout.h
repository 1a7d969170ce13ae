// TChaAbout: the about box. A borderless picture: the program's name, its short version and
// the rights notice drawn as shadowed texts over a background of our own.
#pragma once

#include "imaging/TBmpScan.h"
#include "text/KageString.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace qor {

class TChaAbout : public QDialog {
    Q_OBJECT
public:
    explicit TChaAbout(QWidget* parent = nullptr);

    // Composes the picture shown: the background with every shadowed text over it.
    void Init();
    const TBmpScan& Composed() const { return FComposed; }
    // The texts as placed: name, version, rights.
    const std::vector<std::unique_ptr<TKageString>>& Texts() const { return FKageLS; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void AddText(const std::string& text, const TFont& font, TPoint at);

    TBmpScan FBackground;
    TBmpScan FComposed;
    std::vector<std::unique_ptr<TKageString>> FKageLS;
};

// The background of the about box, drawn by the program.
TBmpScan AboutBackground(int width, int height);

} // namespace qor
