#include "windowprobe.h"

#include "app/textbox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

constexpr WorksheetNames first{"txt1", "cmd", "pic1", "pic2", "txt2", "txt3", "Label1_0"};
constexpr WorksheetNames second{"txt6", "cmd1", "pic3", "pic4", "txt4", "txt5", "Label1_1"};

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString describe(const QWidget& widget) {
    QString shown;
    if (const auto* box = qobject_cast<const TextBox*>(&widget))
        shown = quoted(box->text()) + QStringLiteral(" colour %1").arg(box->textColour(), 8, 16);
    else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        shown = quoted(edit->text());
    else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        shown = quoted(button->text());
    else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        shown = quoted(label->text());
    else if (widget.inherits("PictureArea"))
        shown = quoted(widget.accessibleDescription().replace(QLatin1Char('\n'), QLatin1Char('|')));
    return widget.objectName() + QLatin1Char(' ') + shown +
           (widget.isEnabled() ? QStringLiteral(" enabled") : QStringLiteral(" disabled"));
}

QStringList namesOf(const WorksheetNames& worksheet) {
    QStringList names{QLatin1String(worksheet.input), QLatin1String(worksheet.button),
                      QLatin1String(worksheet.quotients), QLatin1String(worksheet.divisors),
                      QLatin1String(worksheet.label)};
    for (const char* row : {worksheet.bases, worksheet.exponents})
        for (int k = 0; k < 7; ++k)
            names << QStringLiteral("%1_%2").arg(QLatin1String(row)).arg(k);
    return names;
}

} // namespace

const WorksheetNames& worksheetNames(int worksheet) {
    return worksheet == 0 ? first : second;
}

QWidget* control(const QWidget& window, const QString& name) {
    auto* found = window.findChild<QWidget*>(name);
    if (!found)
        qFatal("the window has no control named %s", qPrintable(name));
    return found;
}

QStringList worksheetState(const QWidget& window, const WorksheetNames& worksheet) {
    QStringList state;
    for (const QString& name : namesOf(worksheet))
        state << describe(*control(window, name));
    return state;
}

QStringList windowState(const QWidget& window) {
    QStringList state;
    const QWidget* form = control(window, QStringLiteral("form"));
    for (const QWidget* widget : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        state << describe(*widget);
    for (const QAction* action : window.findChildren<QAction*>())
        if (action->objectName().startsWith(QLatin1String("mnu")))
            state << action->objectName() + QLatin1Char(' ') + quoted(action->text()) +
                         (action->isChecked() ? QStringLiteral(" checked") : QString());
    std::sort(state.begin(), state.end());
    return state;
}

void typeInto(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
}

ShownMessage clickAndAcknowledge(QWidget* control) {
    ModalCloser closer;
    closer.arm();
    QTest::mouseClick(control, Qt::LeftButton);
    closer.disarm();
    return closer.closed().value(0);
}
