// The settings dialog's button "プロジェクトファイル(.qor)の関連付け": runs the association
// program qorgallery-assoc beside this program with this program's path, and says so with
// message 36 when it has done its work, or tells why it could not.
#pragma once

class QWidget;

namespace qor {

// True when the association program ran and succeeded (message 36 was shown). When it is
// missing or fails, an error box tells why.
bool LaunchAssociation(QWidget* window);

// Whether project files open in this program for the user.
bool IsProjectFileAssociated();

} // namespace qor
