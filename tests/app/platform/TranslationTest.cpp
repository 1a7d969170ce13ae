#include "app/support/AppTestEnv.h"

#include "app/dialogs/ChaAbout.h"
#include "app/dialogs/FrmBtnId.h"
#include "app/dialogs/FrmCaption.h"
#include "app/dialogs/FrmRename.h"
#include "app/dialogs/FrmSetting.h"
#include "app/listview/XEImgLS.h"
#include "app/platform/Translators.h"
#include "app/window/FrmSlider1.h"
#include "util/UnitMsg.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

namespace qor {

// The program in both languages: English loads its translation and leaves no Japanese text
// in any window; Japanese keeps the system's own texts.
class TTranslationTest : public QObject {
    Q_OBJECT

    QString FFolder = QStringLiteral(QOR_BIN_DIR "/translations");

    static bool HasJapanese(const QString& text)
    {
        for (QChar c : text)
            if ((c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF) ||
                (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF))
                return true;
        return false;
    }

    // Every text a widget shows: titles, captions, items, hints and the commands' texts.
    // Widgets marked with the property qorUserData show the user's data, not ours.
    static QStringList VisibleTexts(QWidget* top)
    {
        QStringList texts;
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* w : widgets) {
            if (w->property("qorUserData").toBool()) continue;
            texts << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis();
            if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
            if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
            if (auto* edit = qobject_cast<QLineEdit*>(w)) texts << edit->placeholderText();
            if (auto* menu = qobject_cast<QMenu*>(w)) texts << menu->title();
            if (auto* combo = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < combo->count(); ++i)
                    texts << combo->itemText(i);
            if (auto* list = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i)
                    texts << list->item(i)->text();
            if (auto* tabs = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
        for (QAction* action : top->findChildren<QAction*>())
            texts << action->text() << action->toolTip() << action->statusTip();
        texts.removeAll(QString());
        return texts;
    }

    static std::vector<std::unique_ptr<QWidget>> EveryWindow()
    {
        std::vector<std::unique_ptr<QWidget>> windows;
        windows.push_back(std::make_unique<TFrmSlider1>());
        windows.push_back(std::make_unique<TFrmSetting>());
        windows.push_back(std::make_unique<TFrmRename>());
        windows.push_back(std::make_unique<TFrmBtnId>());
        windows.push_back(std::make_unique<TFrmCaption>());
        windows.push_back(std::make_unique<TChaAbout>());
        return windows;
    }

private slots:
    void cleanup() { InstallTranslators(*qApp, QStringLiteral("ja"), FFolder); }

    void EnglishLoadsTheProgramsTranslation()
    {
        QCOMPARE(InstallTranslators(*qApp, QStringLiteral("en"), FFolder), TUiLanguage::English);
        QCOMPARE(QCoreApplication::translate("qor::TChaUpdate", "更新を確認しています..."),
                 QStringLiteral("Checking for updates..."));
        QCOMPARE(GetMsgText(0), std::string("Qorika HTML5 Gallery"));
    }

    void JapaneseKeepsTheSystemsTexts()
    {
        InstallTranslators(*qApp, QStringLiteral("en"), FFolder);
        QCOMPARE(InstallTranslators(*qApp, QStringLiteral("ja"), FFolder), TUiLanguage::Japanese);
        QCOMPARE(QCoreApplication::translate("qor::TChaUpdate", "更新を確認しています..."),
                 QStringLiteral("更新を確認しています..."));
        QCOMPARE(GetMsgText(0), std::string("QorikaHTML5ギャラリー"));
    }

    void LocaleDecidesWithoutASetting_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<bool>("english");
        QTest::newRow("ja_JP") << QByteArray("ja_JP.UTF-8") << false;
        QTest::newRow("en_US") << QByteArray("en_US.UTF-8") << true;
        QTest::newRow("de_DE") << QByteArray("de_DE.UTF-8") << true;
    }
    void LocaleDecidesWithoutASetting()
    {
        QFETCH(QByteArray, lang);
        QFETCH(bool, english);
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            qunsetenv(name);
        qputenv("LANG", lang);
        TUiLanguage chosen = InstallTranslators(*qApp, QString(), FFolder);
        QCOMPARE(chosen == TUiLanguage::English, english);
        QCOMPARE(QCoreApplication::translate("qor::TChaUpdate", "更新を確認しています...") ==
                     QStringLiteral("Checking for updates..."),
                 english);
    }

    void NoVisibleTextIsLeftInJapanese()
    {
        InstallTranslators(*qApp, QStringLiteral("en"), FFolder);
        int checked = 0;
        QStringList untranslated;
        for (const auto& window : EveryWindow()) {
            const QStringList texts = VisibleTexts(window.get());
            checked += int(texts.size());
            for (const QString& text : texts)
                if (HasJapanese(text))
                    untranslated << QString::fromLatin1(window->metaObject()->className()) + ": " +
                                        text;
        }
        // The empty list's picture is drawn from texts, once the window is first shown.
        TFrmSlider1 shown;
        shown.OnCreateChildForm({QStringLiteral("qorgallery-gui")});
        shown.show();
        QTRY_VERIFY(shown.FirstShowDone());
        const TEmptyListMessage& empty = shown.XEImgLS1().EmptyMessage();
        QVERIFY(!empty.Title.isEmpty());
        // The hint names the phone and web formats too, or their users would not try them.
        for (const char* format : {"JPEG", "HEIC", "WebP", "AVIF"})
            QVERIFY2(empty.Detail.contains(QLatin1String(format)), qPrintable(empty.Detail));
        for (const QString& text : {empty.Title, empty.Detail})
            if (HasJapanese(text)) untranslated << QStringLiteral("empty list: ") + text;
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
        qInfo("%d visible texts checked", checked);
    }

    // A project begun by an English user declares an English page, at the first start and
    // with New; a Japanese user's keeps the templates' Japanese.
    void ANewProjectDeclaresTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("declared");
        QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("en");
        QTest::newRow("ja") << QStringLiteral("ja") << QString();
    }
    void ANewProjectDeclaresTheUsersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, declared);
        InstallTranslators(*qApp, language, FFolder);
        TFrmSlider1 window;
        window.OnCreateChildForm({QStringLiteral("qorgallery-gui")});
        window.show();
        QTRY_VERIFY(window.FirstShowDone());
        QCOMPARE(QString::fromStdString(window.QorCSS1().PageLanguage), declared);
        window.QorCSS1().PageLanguage = "de";
        window.Action(TCommandId::ActNewPrj)->trigger();
        QCOMPARE(QString::fromStdString(window.QorCSS1().PageLanguage), declared);
    }

    void WalkFindsTextLeftInJapanese()
    {
        InstallTranslators(*qApp, QStringLiteral("en"), FFolder);
        QWidget window;
        window.setWindowTitle(QStringLiteral("Settings"));
        auto* tabs = new QTabWidget(&window);
        tabs->addTab(new QLabel(QStringLiteral("画像一覧")), QStringLiteral("Pictures"));
        auto* menu = new QMenu(QStringLiteral("File"), &window);
        menu->addAction(QStringLiteral("開く(&O)"));
        QStringList japanese;
        for (const QString& text : VisibleTexts(&window))
            if (HasJapanese(text)) japanese << text;
        QVERIFY2(japanese.contains(QStringLiteral("画像一覧")), qPrintable(japanese.join(u'|')));
        QVERIFY2(japanese.contains(QStringLiteral("開く(&O)")), qPrintable(japanese.join(u'|')));
    }

    // Every text of the sources that goes through tr() has its English translation: lupdate,
    // run over the sources into a copy of the translation, finds nothing unfinished.
    void EverySourceTextHasATranslation()
    {
        QTemporaryDir dir;
        QString copy = dir.filePath(QStringLiteral("qorgallery_en.ts"));
        QVERIFY(QFile::copy(QStringLiteral(QOR_SOURCE_DIR "/translations/qorgallery_en.ts"), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(QStringLiteral(QOR_LUPDATE),
                      {QStringLiteral("-I"), QStringLiteral(QOR_SOURCE_DIR "/src"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral(QOR_SOURCE_DIR "/src/app"),
                       QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        QFile ts(copy);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ts.readAll());
        QVERIFY(text.count(QStringLiteral("<message>")) >= 5);
        QCOMPARE(text.count(QStringLiteral("type=\"unfinished\"")), 0);
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TTranslationTest)
#include "TranslationTest.moc"
