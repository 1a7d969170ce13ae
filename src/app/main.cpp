#include "app/window/FrmSlider1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    qor::TFrmSlider1 window;
    window.show();
    return app.exec();
}
