#include "app/platform/MessageBox.h"

#include "util/UnitMsg.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace qor {

namespace {

TMsgAnswerer& Answerer()
{
    static TMsgAnswerer answerer;
    return answerer;
}

QMessageBox::Icon IconOf(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Confirmation: return QMessageBox::Question;
    case TMsgKind::Information: return QMessageBox::Information;
    case TMsgKind::Warning: return QMessageBox::Warning;
    case TMsgKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// Buttons in the table's order, with the role and text a Japanese box shows.
struct TButtonInfo {
    TMsgButton Button;
    QMessageBox::ButtonRole Role;
    const char* Text;
};
constexpr TButtonInfo ButtonTable[] = {
    {mbOK, QMessageBox::AcceptRole, "OK"},
    {mbYes, QMessageBox::YesRole, QT_TRANSLATE_NOOP("MessageBox", "はい(&Y)")},
    {mbNo, QMessageBox::NoRole, QT_TRANSLATE_NOOP("MessageBox", "いいえ(&N)")},
    {mbCancel, QMessageBox::RejectRole, QT_TRANSLATE_NOOP("MessageBox", "キャンセル")},
};

TMsgButton RunBox(QWidget* window, const std::string& text, unsigned buttons, TMsgKind kind)
{
    QMessageBox box(IconOf(kind), QString::fromStdString(GetMsgText(0)),
                    QString::fromStdString(text).replace('\r', '\n'), QMessageBox::NoButton, window);
    // Texts carry file names and project values, never markup.
    box.setTextFormat(Qt::PlainText);
    std::vector<std::pair<QAbstractButton*, TMsgButton>> added;
    for (const TButtonInfo& info : ButtonTable)
        if (buttons & info.Button)
            added.emplace_back(box.addButton(QCoreApplication::translate("MessageBox", info.Text), info.Role), info.Button);
    if (added.empty()) added.emplace_back(box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), mbOK);
    box.setDefaultButton(static_cast<QPushButton*>(added.front().first));
    box.setEscapeButton(added.back().first);
    box.exec();
    for (const auto& [button, answer] : added)
        if (box.clickedButton() == button) return answer;
    return added.back().second;
}

} // namespace

TMsgButton ShowMsgBox(QWidget* window, const std::string& text, unsigned buttons, TMsgKind kind)
{
    if (Answerer()) return Answerer()(text, buttons, kind);
    return RunBox(window, text, buttons, kind);
}

TMsgButton ShowMsgText(QWidget* window, int key, std::initializer_list<TFormatArg> args,
                       unsigned buttons, TMsgKind kind)
{
    return ShowMsgBox(window, FormatMsg(key, args), buttons, kind);
}

void SetMsgAnswerer(TMsgAnswerer answerer)
{
    Answerer() = std::move(answerer);
}

} // namespace qor
