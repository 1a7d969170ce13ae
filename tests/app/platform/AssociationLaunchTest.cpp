#include "app/support/AppTestEnv.h"

#include "app/platform/Association.h"
#include "app/platform/MessageBox.h"

#include <QCoreApplication>
#include <QWidget>

#include <utility>
#include <vector>

namespace qor {

// The settings dialog's association button when the association program is not beside the
// program (as for this test, which runs from the tests folder): the failure is told, with
// the program looked for, and nothing is associated.
class TAssociationLaunchTest : public QObject {
    Q_OBJECT

private slots:
    void MissingProgramIsReportedAndAssociatesNothing()
    {
        std::vector<std::pair<std::string, TMsgKind>> shown;
        SetMsgAnswerer([&](const std::string& text, unsigned, TMsgKind kind) {
            shown.emplace_back(text, kind);
            return mbOK;
        });
        QWidget window;
        QVERIFY(!IsProjectFileAssociated());
        QVERIFY(!LaunchAssociation(&window));
        SetMsgAnswerer({});
        QCOMPARE(shown.size(), size_t(1));
        QCOMPARE(shown[0].second, TMsgKind::Error);
        QVERIFY2(shown[0].first.find(QCoreApplication::applicationDirPath().toStdString() +
                                     "/qorgallery-assoc") != std::string::npos,
                 shown[0].first.c_str());
        QVERIFY(!IsProjectFileAssociated());
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TAssociationLaunchTest)
#include "AssociationLaunchTest.moc"
