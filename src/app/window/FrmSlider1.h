// TFrmSlider1: the main window, with the picture list, make, project and log pages.
#pragma once

#include <QMainWindow>

namespace qor {

class TXEImgLS;

class TFrmSlider1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmSlider1(QWidget* parent = nullptr);
    ~TFrmSlider1() override;

    TXEImgLS& XEImgLS1() { return *FXEImgLS1; }

private:
    TXEImgLS* FXEImgLS1;
};

} // namespace qor
