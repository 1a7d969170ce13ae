// TChaUpdate: the update check against the maker's version file.
#pragma once

#include <QObject>

class QWidget;

namespace qor {

class TChaUpdate : public QObject {
    Q_OBJECT
public:
    explicit TChaUpdate(QWidget* window);

    // Checks when forced or when the last check is old enough; tells the user of a newer
    // version (or, when forced, that there is none).
    void CheckUpdate(bool forced);

private:
    QWidget* FWindow;
};

} // namespace qor
