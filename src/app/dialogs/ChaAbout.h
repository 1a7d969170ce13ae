// TChaAbout: the about box with the program's short version.
#pragma once

#include <QDialog>

namespace qor {

class TChaAbout : public QDialog {
    Q_OBJECT
public:
    explicit TChaAbout(QWidget* parent = nullptr);
};

} // namespace qor
