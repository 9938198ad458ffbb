#include "app/frm.h"

#include "app/announcer.h"
#include "app/boardzoom.h"
#include "app/captionlabel.h"
#include "app/exercisemenu.h"
#include "app/inputblocker.h"
#include "app/practicesession.h"
#include "app/refusal.h"
#include "app/rungate.h"
#include "app/runindicator.h"
#include "app/textbox.h"
#include "app/translated.h"
#include "app/twipsform.h"
#include "worksheet/decomposition.h"
#include "worksheet/exercise.h"
#include "worksheet/inputcheck.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

frm::frm(const Clock& clock, QWidget* parent)
    : QMainWindow(parent)
    , m_form(new TwipsForm(this))
    , m_pause(clock, [this] { return pace(); })
    , m_worksheets{WorksheetBinding(0, m_form->controls().numbers[0], m_pause),
                   WorksheetBinding(1, m_form->controls().numbers[1], m_pause)}
    , m_announcer(new Announcer(this))
    , m_results(*m_form->controls().lblmcd, *m_form->controls().lblmcm, m_worksheets, *m_announcer)
    , m_indicator(new RunIndicator(*m_form, this, *m_announcer)) {
    setObjectName(QStringLiteral("frm"));
    setWindowTitle(translated("Descomposició factorial"));
    setCentralWidget(m_form);
    new BoardZoom(*m_form, *this);
    createMenus();
    m_exercici =
        new ExerciseMenu(*this, *m_form, m_worksheets, m_results, [this] { comencarClicked(); });
    m_practice = new PracticeSession(*m_form, m_worksheets, *m_announcer);
    addPupilItems();
    m_pause.setWaitObserver(
        [this](StepPause::Waiting waiting) { m_indicator->showWaiting(waiting); });
    for (WorksheetBinding& binding : m_worksheets)
        connectWorksheet(binding);
    connectComparisons();
    createFullScreenKeys();
    // Typing replaces the number shown, as a click in the box empties it.
    m_worksheets[0].controls.input->setFocus();
    m_worksheets[0].controls.input->selectAll();
    adjustSize();
}

frm::~frm() = default;

void frm::addPupilItems() {
    m_exercici->menu()->addSeparator();
    QAction* practicar =
        m_exercici->addItem(QT_TRANSLATE_NOOP("frm", "practicar"), "mnupracticar", {});
    practicar->setCheckable(true);
    connect(practicar, &QAction::toggled, this, &frm::practicarToggled);
    QAction* underline = m_exercici->addItem(QT_TRANSLATE_NOOP("frm", "subratllar les marques"),
                                             "mnusubratllar", {});
    underline->setCheckable(true);
    connect(underline, &QAction::toggled, this, [this](bool on) {
        for (const WorksheetBinding& binding : m_worksheets)
            for (int k = 0; k < factorRowSize; ++k)
                for (TextBox* box : {binding.controls.bases[k], binding.controls.exponents[k]})
                    box->setUnderlinesMark(on);
    });
}

const Clock& frm::localClock() {
    static const LocalClock clock;
    return clock;
}

void frm::createMenus() {
    m_comencar = menuBar()->addAction(translated("començar"));
    m_comencar->setObjectName(QStringLiteral("mnucomençar"));

    QMenu* velocitat = menuBar()->addMenu(translated("velocitat"));
    velocitat->menuAction()->setObjectName(QStringLiteral("mnuvelocitat"));
    m_lent = velocitat->addAction(translated("lent"));
    m_lent->setObjectName(QStringLiteral("mnulent"));
    m_rapid = velocitat->addAction(translated("ràpid"));
    m_rapid->setObjectName(QStringLiteral("mnurapid"));
    m_pasapas = velocitat->addAction(translated("pas a pas"));
    m_pasapas->setObjectName(QStringLiteral("mnupasapas"));
    for (QAction* speed : {m_lent, m_rapid, m_pasapas})
        speed->setCheckable(true);
    m_lent->setChecked(true);

    // The items set every mark themselves, so a click on the item already checked keeps it
    // checked instead of leaving none.
    connect(m_lent, &QAction::triggered, this, [this] { setPace(Pace::Slow); });
    connect(m_rapid, &QAction::triggered, this, [this] { setPace(Pace::Rapid); });
    connect(m_pasapas, &QAction::triggered, this, [this] { setPace(Pace::StepByStep); });
    m_velocitat = velocitat;
}

void frm::connectWorksheet(WorksheetBinding& binding) {
    const NumberControls& controls = binding.controls;
    connect(controls.button, &QPushButton::clicked, this,
            [this, &binding] { decomposeClicked(binding); });
    connect(controls.input, &TextBox::clicked, controls.input, &QLineEdit::clear);
    connect(controls.input, &QLineEdit::returnPressed, controls.button, [&controls] {
        if (controls.button->isEnabled())
            controls.button->click();
    });
}

void frm::createFullScreenKeys() {
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, [this] {
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
    });
    auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leave, &QShortcut::activated, this, [this] {
        if (isFullScreen())
            showNormal();
    });
}

void frm::connectComparisons() {
    connect(m_form->controls().cmdMCD, &QPushButton::clicked, this, &frm::mcdClicked);
    connect(m_form->controls().cmdMCM, &QPushButton::clicked, this, &frm::mcmClicked);
    connect(m_comencar, &QAction::triggered, this, &frm::comencarClicked);
}

void frm::setPace(Pace pace) {
    m_lent->setChecked(pace == Pace::Slow);
    m_rapid->setChecked(pace == Pace::Rapid);
    m_pasapas->setChecked(pace == Pace::StepByStep);
    // Chosen during a run, it holds from the pause under way.
    m_pause.paceChanged();
}

Pace frm::pace() const {
    return m_rapid->isChecked()     ? Pace::Rapid
           : m_pasapas->isChecked() ? Pace::StepByStep
                                    : Pace::Slow;
}

void frm::seedExercises(std::uint64_t seed) {
    m_exercici->seed(seed);
}

void frm::decomposeClicked(WorksheetBinding& binding) {
    const QString typed = binding.controls.input->text();
    const InputCheck check = checkInput(typed.toStdString());
    if (check.verdict != Verdict::Accepted) {
        QMessageBox::warning(this, windowTitle(), refusalMessage(check, typed));
        return;
    }
    if (m_practice->isOn()) {
        // The pupil writes the ladder; its button waits for "començar", as after a run.
        m_practice->startLadder(binding.number, check, typed);
        binding.controls.button->setEnabled(false);
        return;
    }
    m_running = true;
    m_pause.start();
    m_indicator->begin(binding.controls);
    RunOutcome outcome;
    {
        const RunGate gate(*this, *menuBar(), *m_velocitat, m_pause);
        const InputBlocker blocker(
            [&gate](QObject* receiver, QEvent* event) { return gate.lets(receiver, event); });
        outcome = descomposar(binding.worksheet, binding, check, typed.toStdString());
        m_indicator->end();
    }
    m_running = false;
    if (outcome == RunOutcome::Completed) {
        binding.controls.button->setEnabled(false);
        m_announcer->announce(
            translated("%1 acabada.").arg(binding.controls.label->accessibleName()));
    } else if (outcome == RunOutcome::OutOfLimits)
        QMessageBox::warning(this, windowTitle(), runFailureMessage(typed));
}

void frm::mcdClicked() {
    if (m_practice->isOn()) {
        if (m_practice->checkMarks(MarkRule::CommonDivisor)) {
            m_form->controls().cmdMCM->setEnabled(true);
            m_form->controls().cmdMCD->setEnabled(false);
        }
        return;
    }
    markCommonDivisor(m_worksheets[0].worksheet, m_worksheets[0], m_worksheets[1].worksheet,
                      m_worksheets[1]);
    // "m.c.m" first, so that the focus leaving the disabled "m.c.d." lands on it.
    m_form->controls().cmdMCM->setEnabled(true);
    m_form->controls().cmdMCD->setEnabled(false);
    announceMarks(colours::divisorMark);
    m_results.divisorMarked();
}

void frm::mcmClicked() {
    if (m_practice->isOn()) {
        if (m_practice->checkMarks(MarkRule::CommonMultiple))
            m_form->controls().cmdMCM->setEnabled(false);
        return;
    }
    markCommonMultiple(m_worksheets[0], m_worksheets[1]);
    m_form->controls().cmdMCM->setEnabled(false);
    announceMarks(colours::multipleMark);
    m_results.multipleMarked();
}

void frm::announceMarks(Colour mark) {
    // The marks are colours on the screen; a screen reader hears which powers they mark.
    const QString topic = mark == colours::divisorMark ? translated("Forma part del m.c.d.")
                                                       : translated("Forma part del m.c.m.");
    bool any = false;
    for (const WorksheetBinding& binding : m_worksheets) {
        for (int k = 0; k < factorRowSize; ++k) {
            const TextBox* base = binding.controls.bases[k];
            const QString exponent = binding.controls.exponents[k]->text();
            if (base->textColour() != mark || base->text().isEmpty())
                continue;
            any = true;
            m_announcer->announce(topic,
                                  exponent.isEmpty()
                                      ? base->text()
                                      : translated("%1 elevat a %2").arg(base->text(), exponent));
        }
    }
    if (!any && mark == colours::divisorMark)
        m_announcer->announce(translated("Cap potència no és comuna: el m.c.d. és 1."));
}

void frm::comencarClicked() {
    for (WorksheetBinding& binding : m_worksheets)
        binding.controls.button->setEnabled(true);
    startAgain(m_worksheets[0].worksheet, m_worksheets[0], m_worksheets[1].worksheet,
               m_worksheets[1]);
    m_form->controls().cmdMCD->setEnabled(true);
    m_form->controls().cmdMCM->setEnabled(true);
    m_results.clear();
    m_practice->restart();
}

void frm::practicarToggled(bool on) {
    // A new exercise, the typed numbers kept; in practice the pupil finds the results.
    comencarClicked();
    m_practice->setOn(on);
    m_form->controls().lblmcd->setVisible(!on);
    m_form->controls().lblmcm->setVisible(!on);
}

void frm::closeEvent(QCloseEvent* event) {
    // A run under way stops at its pause, which is where it is waiting now.
    if (m_running)
        m_pause.stop();
    QMainWindow::closeEvent(event);
}
