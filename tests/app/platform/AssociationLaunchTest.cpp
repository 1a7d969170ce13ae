#include "app/support/AppTestEnv.h"

#include "app/platform/Association.h"
#include "app/platform/MessageBox.h"

#include <QWidget>

namespace qor {

// The settings dialog's association button when the association program is not beside the
// program (as for this test, which runs from the tests folder): nothing is claimed.
class TAssociationLaunchTest : public QObject {
    Q_OBJECT

private slots:
    void MissingProgramShowsNothingAndAssociatesNothing()
    {
        int shown = 0;
        SetMsgAnswerer([&](const std::string&, unsigned, TMsgKind) {
            ++shown;
            return mbOK;
        });
        QWidget window;
        QVERIFY(!IsProjectFileAssociated());
        QVERIFY(!LaunchAssociation(&window));
        QCOMPARE(shown, 0);
        QVERIFY(!IsProjectFileAssociated());
        SetMsgAnswerer({});
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TAssociationLaunchTest)
#include "AssociationLaunchTest.moc"
