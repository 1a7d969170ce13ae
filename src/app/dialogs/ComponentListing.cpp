#include "app/dialogs/ComponentListing.h"

#include "util/DelphiFormat.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

namespace qor {

namespace {

std::string Std(const QString& text)
{
    return text.toStdString();
}

std::string Line(const QObject* o, const QString& text, const QString& hint,
                 const QString& items = {})
{
    return Format("%s|%s|%s|%s", {Std(o->objectName()), Std(text), Std(hint), Std(items)});
}

QString RadioItems(const QGroupBox* group)
{
    QStringList items;
    for (const QRadioButton* r : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        items << r->text();
    return items.join('+');
}

QString BuddyCaption(const QWidget* window, const QWidget* edit)
{
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == edit) return label->text();
    return {};
}

// The line of one component, or none for the kinds that are not listed.
bool ComponentLine(const QWidget* window, const QObject* o, std::string& line)
{
    if (auto* action = qobject_cast<const QAction*>(o)) {
        line = Line(o, action->text(), action->toolTip());
    } else if (auto* edit = qobject_cast<const QLineEdit*>(o)) {
        QString caption = BuddyCaption(window, edit);
        if (caption.isEmpty()) return false;
        line = Line(o, caption, edit->toolTip());
    } else if (auto* check = qobject_cast<const QCheckBox*>(o)) {
        line = Line(o, check->text(), check->toolTip());
    } else if (auto* tool = qobject_cast<const QToolButton*>(o)) {
        if (tool->defaultAction()) return false;
        line = Line(o, tool->text(), tool->toolTip());
    } else if (qobject_cast<const QRadioButton*>(o)) {
        return false;
    } else if (auto* button = qobject_cast<const QAbstractButton*>(o)) {
        line = Line(o, button->text(), button->toolTip());
    } else if (auto* group = qobject_cast<const QGroupBox*>(o)) {
        line = Line(o, group->title(), group->toolTip(), RadioItems(group));
    } else if (auto* combo = qobject_cast<const QComboBox*>(o)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        line = Line(o, {}, combo->toolTip(), items.join('+'));
    } else {
        return false;
    }
    return true;
}

} // namespace

TStringList ComponentLines(const QWidget* window)
{
    TStringList lines;
    std::string name = Std(window->objectName());
    lines.push_back(">" + name);
    lines.push_back(Format("%s|%s||", {name, Std(window->windowTitle())}));
    std::string line;
    for (const QObject* o : window->findChildren<QObject*>())
        if (ComponentLine(window, o, line)) lines.push_back(line);
    return lines;
}

} // namespace qor
