#include "app/window/FrmSlider1.h"

#include "app/listview/XEImgLS.h"

namespace qor {

TFrmSlider1::TFrmSlider1(QWidget* parent) : QMainWindow(parent), FXEImgLS1(new TXEImgLS(this))
{
    setCentralWidget(FXEImgLS1);
}

TFrmSlider1::~TFrmSlider1() = default;

} // namespace qor
