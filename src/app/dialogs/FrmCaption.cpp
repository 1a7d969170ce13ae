#include "app/dialogs/FrmCaption.h"

#include "app/dialogs/ComponentListing.h"
#include "util/DelphiFormat.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TFrmCaption::TFrmCaption(QWidget* parent) : QDialog(parent)
{
    setObjectName("FrmCaption");
    setWindowTitle(QStringLiteral("Caption"));
    auto* column = new QVBoxLayout(this);
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName("Memo2");
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->hide();
    LogLS1 = new QListWidget(this);
    LogLS1->setObjectName("LogLS1");
    column->addWidget(Memo2);
    column->addWidget(LogLS1, 1);
    auto* row = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Button1"), this);
    Button1->setObjectName("Button1");
    BtGetTextMetrics = new QPushButton(QStringLiteral("GetTextMetrics"), this);
    BtGetTextMetrics->setObjectName("BtGetTextMetrics");
    row->addWidget(Button1);
    row->addWidget(BtGetTextMetrics);
    row->addStretch();
    column->addLayout(row);
    resize(640, 480);
    connect(Button1, &QPushButton::clicked, this, &TFrmCaption::Button1Click);
    connect(BtGetTextMetrics, &QPushButton::clicked, this, &TFrmCaption::BtGetTextMetricsClick);
}

void TFrmCaption::SetWindows(QWidget* mainWindow, QWidget* settingsDialog)
{
    FMainWindow = mainWindow;
    FSettingsDialog = settingsDialog;
}

TStringList TFrmCaption::ScriptLines() const
{
    return SplitTextLines(Memo2->toPlainText().toStdString());
}

void TFrmCaption::SetScriptLines(const TStringList& lines)
{
    Memo2->setPlainText(QString::fromStdString(JoinTextLines(lines)));
}

TStringList TFrmCaption::LogLines() const
{
    TStringList lines;
    for (int i = 0; i < LogLS1->count(); ++i)
        lines.push_back(LogLS1->item(i)->text().toStdString());
    return lines;
}

void TFrmCaption::Log(const std::string& line)
{
    LogLS1->addItem(QString::fromStdString(line));
}

void TFrmCaption::Button1Click()
{
    LogLS1->clear();
    for (const QWidget* window : {static_cast<QWidget*>(this), FMainWindow, FSettingsDialog})
        if (window)
            for (const std::string& line : ComponentLines(window))
                Log(line);
}

void TFrmCaption::BtGetTextMetricsClick()
{
    QFontMetrics form(font());
    Log(Format("Form:%d %d %d ", {form.height(), form.ascent(), form.descent()}));
    QFontMetrics desk(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    Log(Format("desk:%d %d %d ", {desk.height(), desk.ascent(), desk.descent()}));
}

} // namespace qor
