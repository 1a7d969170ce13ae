// TColorButton: a button showing a colour and its opacity; a click opens a picker for both
// (the colour dialog with its alpha channel, the alpha read as an opacity in percent).
#pragma once

#include "app/widgets/ColorValue.h"

#include <QColor>
#include <QColorDialog>
#include <QPointer>
#include <QToolButton>

namespace qor {

class TColorButton : public QToolButton {
    Q_OBJECT
public:
    // withOpacity: the picker offers the opacity too (RRGGBBAA colours).
    explicit TColorButton(bool withOpacity, QWidget* parent = nullptr);

    TColorValue Value() const { return FValue; }
    void SetValue(const TColorValue& value);
    std::string RgbText() const { return FValue.RgbText(); }
    std::string RgbaText() const { return FValue.RgbaText(); }
    void SetText6(std::string_view rrggbb) { SetValue(TColorValue::FromText(rrggbb.substr(0, 6))); }
    void SetText8(std::string_view rrggbbaa) { SetValue(TColorValue::FromText(rrggbbaa)); }
    QColor ToQColor() const;
    // A hint shown above the colour's text in the tool tip.
    void SetHint(const QString& hint);

    // The picker, while it is open.
    bool IsPopupOpen() const;
    void ClosePopup();
    void OpenPopup();
    QColorDialog* Popup() const { return FPopup; }

signals:
    // The user chose a value.
    void Changed();

private:
    void ShowValue();
    void Take(const QColor& color);

    bool FWithOpacity;
    TColorValue FValue;
    QString FHint;
    QPointer<QColorDialog> FPopup;
};

} // namespace qor
