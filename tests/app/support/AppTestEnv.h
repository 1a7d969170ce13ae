// The desktop program's tests run in a home folder of their own, so that the configuration,
// the recent projects, the standard settings and the thumbnail cache of the person running
// them are never read or touched.
//
//   #include "app/support/AppTestEnv.h"
//   QOR_QTEST_MAIN(TMainWindowTest)   // in place of QTEST_MAIN
#pragma once

#include "app/platform/MessageBox.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <string>

namespace qor::test {

class TAppTestEnv {
public:
    // Points HOME and the XDG folders at a new temporary folder.
    TAppTestEnv();
    const QString& Home() const { return FHome; }

private:
    QTemporaryDir FDir;
    QString FHome;
};

// Answers a message box no test expected with its escape button, and says so.
TMsgButton EscapeFromUnexpectedBox(const std::string& text, unsigned buttons, TMsgKind kind);

// The sample pictures bundled with the sources.
std::string SamplePicturesFolder();

} // namespace qor::test

#define QOR_QTEST_MAIN(TestObject)                   \
    int main(int argc, char** argv)                  \
    {                                                \
        qor::test::TAppTestEnv env;                  \
        QApplication app(argc, argv);                \
        TestObject tc;                               \
        return QTest::qExec(&tc, argc, argv);        \
    }
