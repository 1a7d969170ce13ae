// TFrmRename: asks for a project's new name ("名前を変更"); the folder and ".qor" stay.
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;

namespace qor {

// What the rename asks of a typed name: the new path, or the message that refuses it.
struct TRenameCheck {
    std::string NewPath; // folder + sanitized name + ".qor" when accepted
    int Message = 0;     // 14 (empty name) or 15 (the file exists); 0 when accepted
    std::string Name;    // the sanitized name
};
TRenameCheck CheckProjectName(const std::string& oldPath, const std::string& typedName);

class TFrmRename : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRename(QWidget* parent = nullptr);

    void SetProjectPath(const std::string& path);
    // The old folder, the new name and ".qor"; valid after the dialog was confirmed.
    std::string NewPath() const { return FNewPath; }
    bool OKFlag() const { return FOK; }

    void BtOKClick();

    QLineEdit* Edit1 = nullptr;
    QPushButton* BtOK = nullptr;
    QPushButton* BtCancel = nullptr;

private:
    std::string FOldPath;
    std::string FNewPath;
    bool FOK = false;
};

} // namespace qor
