// TFrmCaption: the developer's caption form, listing the program's windows and components,
// with the script memo that can stand in for the gallery script.
#pragma once

#include "util/XEComFile.h"

#include <QDialog>

namespace qor {

class TFrmCaption : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCaption(QWidget* parent = nullptr);

    TStringList ScriptLines() const { return {}; }
};

} // namespace qor
