#include "app/frm.h"

#include "app/form.h"
#include "app/inputblocker.h"
#include "app/picturearea.h"
#include "app/refusal.h"
#include "app/textbox.h"
#include "worksheet/comparison.h"
#include "worksheet/decomposition.h"
#include "worksheet/inputcheck.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

frm::frm(const Clock& clock, QWidget* parent)
    : QMainWindow(parent)
    , m_clock(clock)
    , m_form(new Form(this))
    , m_cmdMCD(m_form->findChild<QPushButton*>(QStringLiteral("cmdMCD")))
    , m_cmdMCM(m_form->findChild<QPushButton*>(QStringLiteral("cmdMCM"))) {
    setObjectName(QStringLiteral("frm"));
    setWindowTitle(tr("Descomposició factorial"));
    setCentralWidget(m_form);
    m_form->setMinimumSize(m_form->sizeHint());
    createMenus();
    PauseHost& pauseHost = *this;
    m_first = std::make_unique<WorksheetBinding>(*m_form, firstNumberControls, pauseHost);
    m_second = std::make_unique<WorksheetBinding>(*m_form, secondNumberControls, pauseHost);
    connectWorksheet(*m_first);
    connectWorksheet(*m_second);
    connectComparisons();
    createFullScreenKeys();
    m_first->input->setFocus();
    adjustSize();
}

frm::~frm() = default;

const Clock& frm::localClock() {
    static const LocalClock clock;
    return clock;
}

void frm::createMenus() {
    m_comencar = menuBar()->addAction(tr("començar"));
    m_comencar->setObjectName(QStringLiteral("mnucomençar"));

    QMenu* velocitat = menuBar()->addMenu(tr("velocitat"));
    velocitat->menuAction()->setObjectName(QStringLiteral("mnuvelocitat"));
    m_lent = velocitat->addAction(tr("lent"));
    m_lent->setObjectName(QStringLiteral("mnulent"));
    m_rapid = velocitat->addAction(tr("rapid"));
    m_rapid->setObjectName(QStringLiteral("mnurapid"));
    for (QAction* speed : {m_lent, m_rapid})
        speed->setCheckable(true);
    m_lent->setChecked(true);

    // The items set both marks themselves, so a click on the item already checked keeps it
    // checked instead of leaving neither.
    connect(m_lent, &QAction::triggered, this, [this] { setSlow(true); });
    connect(m_rapid, &QAction::triggered, this, [this] { setSlow(false); });
}

void frm::connectWorksheet(WorksheetBinding& binding) {
    connect(binding.button, &QPushButton::clicked, this,
            [this, &binding] { decomposeClicked(binding); });
    connect(binding.input, &TextBox::clicked, this, [this, &binding] { inputClicked(binding); });
    connect(binding.input, &QLineEdit::returnPressed, this, [&binding] {
        if (binding.button->isEnabled())
            binding.button->click();
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
    connect(m_cmdMCD, &QPushButton::clicked, this, &frm::mcdClicked);
    connect(m_cmdMCM, &QPushButton::clicked, this, &frm::mcmClicked);
    connect(m_comencar, &QAction::triggered, this, &frm::comencarClicked);
}

void frm::setSlow(bool slow) {
    m_lent->setChecked(slow);
    m_rapid->setChecked(!slow);
}

void frm::decomposeClicked(WorksheetBinding& binding) {
    const QString typed = binding.input->text();
    const InputCheck check = checkInput(typed.toStdString());
    if (check.verdict != Verdict::Accepted) {
        QMessageBox::warning(this, windowTitle(), refusalMessage(check, typed));
        return;
    }
    // Both columns space their lines alike, so that each divisor stays beside its quotient.
    for (PictureArea* column : {binding.quotients, binding.divisors})
        column->setExpectedLines(check.factorCount + 1);
    m_running = true;
    m_closing = false;
    RunOutcome outcome;
    {
        const InputBlocker blocker;
        outcome = decompose(binding.worksheet, binding, check.value);
    }
    m_running = false;
    if (outcome == RunOutcome::Completed)
        binding.button->setEnabled(false);
}

void frm::inputClicked(WorksheetBinding& binding) {
    binding.input->clear();
}

void frm::mcdClicked() {
    markCommonDivisor(m_first->worksheet, *m_first, m_second->worksheet, *m_second);
    // "m.c.m" first, so that the focus leaving the disabled "m.c.d." lands on it.
    m_cmdMCM->setEnabled(true);
    m_cmdMCD->setEnabled(false);
}

void frm::mcmClicked() {
    markCommonMultiple(*m_first, *m_second);
    m_cmdMCM->setEnabled(false);
}

void frm::comencarClicked() {
    m_first->button->setEnabled(true);
    m_second->button->setEnabled(true);
    startAgain(m_first->worksheet, *m_first, m_second->worksheet, *m_second);
    m_cmdMCD->setEnabled(true);
    m_cmdMCM->setEnabled(true);
}

bool frm::isSlow() const {
    return m_lent->isChecked();
}

const Clock& frm::clock() const {
    return m_clock;
}

bool frm::sleep(std::chrono::milliseconds duration) {
    if (m_closing)
        return false;
    QEventLoop loop;
    m_pauseLoop = &loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    m_pauseLoop = nullptr;
    return !m_closing;
}

void frm::closeEvent(QCloseEvent* event) {
    if (m_running) {
        // The run is stopped at its next pause, which is where it is waiting now.
        m_closing = true;
        if (m_pauseLoop)
            m_pauseLoop->quit();
    }
    QMainWindow::closeEvent(event);
}
