#include "app/support/AppTestEnv.h"

#include "app/widgets/ColorButton.h"
#include "app/widgets/GradientPanel.h"

#include <QSignalSpy>

using namespace qor;

class TColorButtonTest : public QObject {
    Q_OBJECT

private slots:
    void PickerGivesColourAndOpacity()
    {
        TColorButton button(true);
        button.SetText8("8080001E");
        QSignalSpy changed(&button, &TColorButton::Changed);
        button.click();
        QVERIFY(button.Popup());
        QCOMPARE(button.Popup()->currentColor(), QColor(128, 128, 0, 77));
        emit button.Popup()->colorSelected(QColor(0x12, 0x34, 0x56, 128));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(button.RgbaText(), std::string("12345632"));
        QCOMPARE(button.RgbText(), std::string("123456"));
        QCOMPARE(button.text(), QString("50%"));
    }

    void OpaqueButtonKeepsItsOpacity()
    {
        TColorButton button(false);
        button.SetText6("F0FBFF");
        button.OpenPopup();
        QVERIFY(!button.Popup()->testOption(QColorDialog::ShowAlphaChannel));
        emit button.Popup()->colorSelected(QColor(1, 2, 3, 10));
        QCOMPARE(button.RgbaText(), std::string("01020364"));
    }

    void PopupOpensAndCloses()
    {
        TColorButton button(true);
        QVERIFY(!button.IsPopupOpen());
        button.OpenPopup();
        QVERIFY(button.IsPopupOpen());
        button.ClosePopup();
        QVERIFY(!button.IsPopupOpen());
        QCOMPARE(button.RgbaText(), std::string("00000064")); // nothing chosen
    }

    void GradientPanelPaintsTopToBottom()
    {
        TGradientPanel panel;
        panel.resize(20, 101);
        panel.SetColors(QColor(255, 255, 255), QColor(0, 0, 0));
        QImage shown = panel.grab().toImage();
        QVERIFY(shown.pixelColor(10, 2).red() > 240);
        QVERIFY(shown.pixelColor(10, 98).red() < 15);
        int middle = shown.pixelColor(10, 50).red();
        QVERIFY(middle > 110 && middle < 145);
    }
};

QOR_QTEST_MAIN(TColorButtonTest)
#include "ColorButtonTest.moc"
