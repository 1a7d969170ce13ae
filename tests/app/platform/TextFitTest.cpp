// Every caption fits its control in both languages: the main window at its minimum and its
// designed size, on each page, the settings dialog on each tab and the small dialogs. No label
// shows a literal "&" meant as a mnemonic.
#include "app/support/AppTestEnv.h"

#include "app/dialogs/ChaAbout.h"
#include "app/dialogs/FrmBtnId.h"
#include "app/dialogs/FrmRename.h"
#include "app/dialogs/FrmSetting.h"
#include "app/platform/Translators.h"
#include "app/window/FrmSlider1.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include <functional>
#include <memory>

namespace qor {

namespace {

QString WithoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(1), QLatin1Char('&'));
}

// The width a control's caption needs beyond the control's own decoration.
int CaptionRoom(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->width() - (b->sizeHint().width() - b->fontMetrics().horizontalAdvance(WithoutMnemonic(b->text())));
    return w->contentsRect().width();
}

// The captions of the shown controls of top that are cut or show a stray "&".
QStringList Misfits(QWidget* top, const QString& where)
{
    QStringList found;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top) || w->property("qorUserData").toBool()) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText || label->text().contains(u'<')) continue;
            // Without a buddy a label shows its mnemonic's "&" as it is.
            if (!label->buddy() && QString(label->text()).remove(QStringLiteral("&&")).contains(u'&'))
                found << where + ": visible & in \"" + label->text() + "\"";
            text = label->buddy() ? WithoutMnemonic(label->text()) : label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = WithoutMnemonic(button->text());
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->fontMetrics().horizontalAdvance(WithoutMnemonic(tabs->tabText(i))) > tabs->tabRect(i).width())
                    found << where + ": tab \"" + tabs->tabText(i) + "\"";
            continue;
        } else {
            continue;
        }
        if (text.isEmpty() || text.contains(u'\n')) continue;
        const int need = w->fontMetrics().horizontalAdvance(text);
        if (need > CaptionRoom(w))
            found << where + QStringLiteral(": \"%1\" needs %2 px, has %3").arg(text).arg(need).arg(CaptionRoom(w));
    }
    return found;
}

} // namespace

class TTextFitTest : public QObject {
    Q_OBJECT

    QString FFolder = QStringLiteral(QOR_BIN_DIR "/translations");

    // Shows each state of top in turn (pages, tabs, sizes) and collects what does not fit.
    static QStringList Walk(QWidget* top, const QString& name, const std::vector<std::pair<QString, std::function<void()>>>& states)
    {
        QStringList found;
        top->show();
        for (const auto& [state, enter] : states) {
            enter();
            QApplication::processEvents();
            found << Misfits(top, name + " " + state);
        }
        top->hide();
        return found;
    }

private slots:
    void cleanup() { InstallTranslators(*qApp, QStringLiteral("ja"), FFolder); }

    void EveryCaptionFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        QTest::newRow("ja") << QStringLiteral("ja");
    }
    void EveryCaptionFits()
    {
        QFETCH(QString, language);
        InstallTranslators(*qApp, language, FFolder);
        QStringList found;
        int states = 0;
        {
            TFrmSlider1 window;
            std::vector<std::pair<QString, std::function<void()>>> walk;
            for (QSize size : {QSize(848, 500), QSize(884, 661)})
                for (int page : {TFrmSlider1::TabImgLS, TFrmSlider1::TabMake, TFrmSlider1::TabProject})
                    walk.emplace_back(QStringLiteral("%1x%2 page %3").arg(size.width()).arg(size.height()).arg(page), [&, size, page] {
                        window.resize(size);
                        window.ShowPage(page);
                        window.PnlSpan->show();
                        QApplication::processEvents();
                        if (window.size() != size) found << QStringLiteral("main window cannot be %1x%2").arg(size.width()).arg(size.height());
                    });
            states += int(walk.size());
            found << Walk(&window, "main window", walk);
        }
        {
            TFrmSetting dialog;
            std::vector<std::pair<QString, std::function<void()>>> walk;
            for (int tab = 0; tab < dialog.Tabs->count(); ++tab)
                walk.emplace_back(QStringLiteral("tab %1").arg(tab), [&dialog, tab] { dialog.Tabs->setCurrentIndex(tab); });
            states += int(walk.size());
            found << Walk(&dialog, "settings", walk);
        }
        TFrmRename rename;
        TFrmBtnId buttons;
        TChaAbout about;
        for (QWidget* dialog : std::initializer_list<QWidget*>{&rename, &buttons, &about}) {
            found << Walk(dialog, dialog->metaObject()->className(), {{"", [] {}}});
            ++states;
        }
        QVERIFY(states >= 12);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TTextFitTest)
#include "TextFitTest.moc"
