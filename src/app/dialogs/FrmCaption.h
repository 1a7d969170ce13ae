// TFrmCaption: the developer's caption form, listing the program's windows and components,
// with the script memo that can stand in for the gallery script.
#pragma once

#include "util/XEComFile.h"

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qor {

class TFrmCaption : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCaption(QWidget* parent = nullptr);

    // The windows listed after the caption form itself.
    void SetWindows(QWidget* mainWindow, QWidget* settingsDialog);
    TStringList ScriptLines() const;
    void SetScriptLines(const TStringList& lines);
    TStringList LogLines() const;

    void Button1Click();
    void BtGetTextMetricsClick();

    QPlainTextEdit* Memo2 = nullptr;
    QListWidget* LogLS1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BtGetTextMetrics = nullptr;

private:
    void Log(const std::string& line);

    QWidget* FMainWindow = nullptr;
    QWidget* FSettingsDialog = nullptr;
};

} // namespace qor
