// TFrmBtnId: picks the side button picture of an entry from the numbers 0 to N - 1; a click
// on the list chooses and closes.
#pragma once

#include <QDialog>

class QListWidget;

namespace qor {

class TFrmBtnId : public QDialog {
    Q_OBJECT
public:
    explicit TFrmBtnId(QWidget* parent = nullptr);

    // The numbers 0 to count - 1; none for a count below 1.
    void SetCount(int count);
    // The selected row, -1 for none.
    void SetSelectIndex(int index);
    int GetSelectIndex() const;

    void SetBtnId(int id) { SetSelectIndex(id); }
    int BtnId() const { return GetSelectIndex(); }

    QListWidget* BtnLS = nullptr;
};

} // namespace qor
