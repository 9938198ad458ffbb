#include "app/exercisemenu.h"

#include "app/resultlines.h"
#include "app/textbox.h"
#include "app/translated.h"
#include "worksheet/inputcheck.h"

#include <QActionGroup>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <random>

namespace {

std::uint64_t randomSeed() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

} // namespace

ExerciseMenu::ExerciseMenu(QMainWindow& window, QWidget& form,
                           const std::array<WorksheetBinding, 2>& numbers, ResultLines& results,
                           std::function<void()> startAgain)
    : QObject(&window)
    , m_window(window)
    , m_numbers(numbers)
    , m_results(results)
    , m_startAgain(std::move(startAgain))
    , m_menu(window.menuBar()->addMenu(translated("exercici")))
    , m_generator(randomSeed())
    , m_board(form) {
    m_menu->menuAction()->setObjectName(QStringLiteral("mnuexercici"));
    connect(addItem(QT_TRANSLATE_NOOP("frm", "nou exercici"), "mnunouexercici",
                    QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &ExerciseMenu::newExercise);
    addLevels();
    QAction* shown = addItem(QT_TRANSLATE_NOOP("frm", "mostrar els resultats"), "mnuresultats", {});
    shown->setCheckable(true);
    connect(shown, &QAction::toggled, this, [this](bool on) { m_results.setShown(on); });
    m_menu->addSeparator();
    connect(addItem(QT_TRANSLATE_NOOP("frm", "copiar la imatge"), "mnucopiar", {}),
            &QAction::triggered, this, &ExerciseMenu::copyImage);
    connect(addItem(QT_TRANSLATE_NOOP("frm", "desar la imatge…"), "mnudesar",
                    QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &ExerciseMenu::saveImage);
    connect(addItem(QT_TRANSLATE_NOOP("frm", "imprimir…"), "mnuimprimir",
                    QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &ExerciseMenu::printBoard);
}

QAction* ExerciseMenu::addItem(const char* caption, const char* name, const QKeySequence& keys) {
    QAction* item = m_menu->addAction(translated(caption));
    item->setObjectName(QString::fromUtf8(name));
    item->setShortcut(keys);
    return item;
}

void ExerciseMenu::addLevels() {
    QMenu* levels = m_menu->addMenu(translated("nivell"));
    levels->menuAction()->setObjectName(QStringLiteral("mnunivell"));
    auto* group = new QActionGroup(levels);
    const char* const captions[] = {QT_TRANSLATE_NOOP("frm", "fàcil"),
                                    QT_TRANSLATE_NOOP("frm", "mitjà"),
                                    QT_TRANSLATE_NOOP("frm", "difícil")};
    const char* const names[] = {"mnufacil", "mnumitja", "mnudificil"};
    for (std::size_t i = 0; i < m_levels.size(); ++i) {
        m_levels[i] = group->addAction(translated(captions[i]));
        m_levels[i]->setObjectName(QLatin1String(names[i]));
        m_levels[i]->setCheckable(true);
        levels->addAction(m_levels[i]);
    }
    m_levels[0]->setChecked(true);
}

Level ExerciseMenu::level() const {
    return m_levels[1]->isChecked()   ? Level::Medium
           : m_levels[2]->isChecked() ? Level::Hard
                                      : Level::Easy;
}

void ExerciseMenu::newExercise() {
    m_startAgain();
    const ExercisePair pair = m_generator.next(level());
    m_numbers[0].controls.input->setText(QString::number(pair.first));
    m_numbers[1].controls.input->setText(QString::number(pair.second));
}

void ExerciseMenu::copyImage() {
    QGuiApplication::clipboard()->setImage(m_board.image());
}

QString ExerciseMenu::proposedName() const {
    QString name = QStringLiteral("descomposicio");
    for (const WorksheetBinding& number : m_numbers) {
        std::optional<qint64> value = decomposedNumber(number);
        if (!value) {
            const InputCheck typed = checkInput(number.controls.input->text().toStdString());
            if (typed.verdict == Verdict::Accepted)
                value = static_cast<qint64>(typed.value);
        }
        if (value)
            name += QStringLiteral("-%1").arg(*value);
    }
    return name;
}

void ExerciseMenu::saveImage() {
    const QString png = translated("Imatge PNG (*.png)");
    const QString pdf = translated("Document PDF (*.pdf)");
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QDir folder(QDir(pictures).exists() ? pictures : QDir::homePath());
    QString chosen = png;
    QString path =
        QFileDialog::getSaveFileName(&m_window, translated("Desar la imatge"),
                                     folder.filePath(proposedName() + QStringLiteral(".png")),
                                     png + QStringLiteral(";;") + pdf, &chosen);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += chosen == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    const QString why = m_board.save(path);
    if (!why.isEmpty())
        QMessageBox::warning(&m_window, m_window.windowTitle(),
                             translated("No s'ha pogut desar la imatge a «%1»: %2")
                                 .arg(QDir::toNativeSeparators(path), why));
}

void ExerciseMenu::printBoard() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(proposedName());
    QPrintDialog dialog(&printer, &m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_board.print(printer);
}
