// TFrmSetting: the settings dialog. It edits a working copy of the gallery settings and the
// program's options; the main window moves values in (Init) and out (Form2QorCSS).
#pragma once

#include "app/dialogs/SettingOptions.h"
#include "gallery/ComQorCSS.h"

#include <QDialog>

namespace qor {

class TFrmSetting : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSetting(QWidget* parent = nullptr);

    // Fills the controls from settings.
    void Init(const TComQorCSS1& settings);
    // Writes the controls into settings.
    void Form2QorCSS(TComQorCSS1& settings) const;
    // Loads StdSettingFile into the dialog and applies it to settings.
    void RestoreStdSetting(TComQorCSS1& settings);

    TSettingOptions Options() const { return FOptions; }
    void SetOptions(const TSettingOptions& options);
    // Applies the template row LSSample as if it had been clicked.
    void ApplySampleRow();
    void SetDebugMode(bool on);

    // A colour pop-up still open postpones closing the main window.
    bool IsColorPopupOpen() const { return false; }
    void CloseColorPopup() {}

signals:
    void CheckUpdateRequested();
    void AssociateRequested();

private:
    TComQorCSS1 FWork = TComQorCSS1::NewDialogSettings();
    TSettingOptions FOptions;
};

} // namespace qor
