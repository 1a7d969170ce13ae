// TFrmRename: asks for a project's new name; the folder and ".qor" stay.
#pragma once

#include <QDialog>

#include <string>

namespace qor {

class TFrmRename : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRename(QWidget* parent = nullptr);

    void SetProjectPath(const std::string& path);
    // The old folder, the new name and ".qor"; valid after the dialog was confirmed.
    std::string NewPath() const { return FNewPath; }

private:
    std::string FOldPath;
    std::string FNewPath;
};

} // namespace qor
