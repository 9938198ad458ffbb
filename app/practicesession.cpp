#include "app/practicesession.h"

#include "app/announcer.h"
#include "app/captionlabel.h"
#include "app/colours.h"
#include "app/picturearea.h"
#include "app/practicemessages.h"
#include "app/textbox.h"
#include "app/twipsform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// A right answer's message in dark green, a wrong one's in a dark orange that no mark uses.
constexpr Colour rightColour = 0x1F6B1B;
constexpr Colour wrongColour = 0x004EA3;

Colour markColour(MarkRule rule) {
    return rule == MarkRule::CommonDivisor ? colours::divisorMark : colours::multipleMark;
}

} // namespace

PracticeSession::PracticeSession(TwipsForm& form, std::array<WorksheetBinding, 2>& worksheets,
                                 Announcer& announcer)
    : QObject(&form)
    , m_form(form)
    , m_announcer(announcer)
    , m_worksheets(worksheets) {
    const PracticeControls& practice = form.controls().practice;
    connect(practice.answer, &QLineEdit::returnPressed, this, &PracticeSession::answerTyped);
    // The button takes no focus, so that it acts on what has it.
    practice.check->setFocusPolicy(Qt::NoFocus);
    connect(practice.check, &QPushButton::clicked, this, &PracticeSession::checkClicked);
    for (int number = 0; number < 2; ++number) {
        const NumberControls& controls = form.controls().numbers[number];
        for (int k = 0; k < factorRowSize; ++k) {
            for (TextBox* box : {controls.bases[k], controls.exponents[k]}) {
                box->installEventFilter(this);
                connect(box, &TextBox::clicked, this, [this, number, k] {
                    if (m_on && marksOpen())
                        toggleMark(number, k);
                });
            }
        }
    }
    setOn(false);
}

void PracticeSession::setOn(bool on) {
    m_on = on;
    const PracticeControls& practice = m_form.controls().practice;
    for (QWidget* control :
         {static_cast<QWidget*>(practice.message), static_cast<QWidget*>(practice.score),
          static_cast<QWidget*>(practice.check)})
        control->setVisible(on);
    restart();
}

void PracticeSession::restart() {
    for (int number = 0; number < 2; ++number)
        openRow(number, false);
    openMarks(false);
    m_numbers = {};
    m_marks.reset();
    m_marking = MarkRule::CommonDivisor;
    m_score.reset();
    m_answering = -1;
    placeAnswer();
    m_form.controls().practice.message->clear();
    showScore();
}

void PracticeSession::startLadder(int number, const InputCheck& accepted, const QString& typed) {
    WorksheetBinding& worksheet = m_worksheets[number];
    openRow(number, false);
    worksheet.worksheet.reset();
    for (int k = 0; k < factorRowSize; ++k) {
        worksheet.setBaseText(k, {});
        worksheet.setExponentText(k, {});
        worksheet.setPairColour(k, colours::normal);
    }
    worksheet.setLabelCaption({});
    Number& practised = m_numbers[number];
    practised = Number{};
    practised.typed = typed;
    practised.ladder.emplace(static_cast<std::int32_t>(accepted.value));
    practised.ladder->start(worksheet);
    m_marks.reset();
    m_marking = MarkRule::CommonDivisor;
    if (practised.ladder->nextPlace() == LadderPlace::Done) {
        ladderFinished(number);
        return;
    }
    m_answering = number;
    placeAnswer();
    say(ladderPrompt(*practised.ladder), true);
}

void PracticeSession::answerTyped() {
    if (m_answering < 0)
        return;
    const int number = m_answering;
    PracticeLadder& ladder = *m_numbers[number].ladder;
    TextBox* field = m_form.controls().practice.answer;
    const LadderAnswer result = ladder.answer(field->text().toStdString(), m_worksheets[number]);
    m_score.record(result.attempt);
    showScore();
    say(ladderMessage(result), result.attempt.outcome == AnswerOutcome::Right);
    if (result.attempt.outcome == AnswerOutcome::Wrong) {
        // The wrong answer stays, selected, for the pupil to correct.
        field->selectAll();
        return;
    }
    field->clear();
    if (ladder.nextPlace() == LadderPlace::Done)
        ladderFinished(number);
    else
        placeAnswer();
}

void PracticeSession::checkClicked() {
    const QWidget* focus = QApplication::focusWidget();
    if (m_answering >= 0 && focus == m_form.controls().practice.answer)
        return answerTyped();
    for (int number = 0; number < 2; ++number) {
        const NumberControls& controls = m_form.controls().numbers[number];
        for (int k = 0; k < factorRowSize; ++k)
            if (focus == controls.bases[k] || focus == controls.exponents[k])
                if (m_numbers[number].row && !m_numbers[number].done)
                    return checkRow(number);
    }
    for (int number = 0; number < 2; ++number)
        if (m_numbers[number].row && !m_numbers[number].done)
            return checkRow(number);
    if (m_answering >= 0)
        answerTyped();
}

void PracticeSession::ladderFinished(int number) {
    Number& practised = m_numbers[number];
    practised.row.emplace(practised.ladder->number(), practised.ladder->divisors());
    // The answer field goes on to the other ladder, where one is half written.
    const Number& other = m_numbers[1 - number];
    m_answering = other.ladder && other.ladder->nextPlace() != LadderPlace::Done ? 1 - number : -1;
    placeAnswer();
    openRow(number, true);
    if (m_answering < 0)
        m_form.controls().numbers[number].bases[0]->setFocus();
}

void PracticeSession::checkRow(int number) {
    Number& practised = m_numbers[number];
    const RowCheck check = practised.row->check(typedRow(number));
    m_score.record(check.attempt);
    showScore();
    QString message = factorRowMessage(check);
    if (check.mistake == RowMistake::None) {
        practised.powers = check.powers;
        practised.done = true;
        writeRow(number);
        if (m_numbers[1 - number].done) {
            m_marks.emplace(m_marking, m_numbers[0].powers, m_numbers[1].powers);
            openMarks(true);
            message += u'\n' + marksPrompt(m_marking);
        }
    }
    say(message, check.mistake == RowMistake::None);
}

void PracticeSession::writeRow(int number) {
    // As the demonstration writes it: ascending, each exponent beside its base, the label
    // repeating the number as typed.
    openRow(number, false);
    WorksheetBinding& worksheet = m_worksheets[number];
    const Powers& powers = m_numbers[number].powers;
    for (int k = 0; k < factorRowSize; ++k) {
        const bool filled = k < static_cast<int>(powers.size());
        worksheet.setBaseText(k, filled ? std::to_string(powers[k].prime) : std::string());
        worksheet.setExponentText(k, filled ? std::to_string(powers[k].exponent) : std::string());
    }
    if (powers.empty())
        worksheet.setBaseText(0, "1");
    worksheet.setLabelCaption(m_numbers[number].typed.toStdString() + " = ");
}

void PracticeSession::openRow(int number, bool open) {
    // An open row is a form to fill in: framed boxes that Tab goes through, pair by pair.
    const NumberControls& controls = m_form.controls().numbers[number];
    QWidget* previous = nullptr;
    for (int k = 0; k < factorRowSize; ++k) {
        for (TextBox* box : {controls.bases[k], controls.exponents[k]}) {
            box->setFrame(open);
            box->setReadOnly(false);
            box->setFocusPolicy(open ? Qt::StrongFocus : Qt::ClickFocus);
            if (open && previous)
                QWidget::setTabOrder(previous, box);
            previous = box;
        }
    }
}

void PracticeSession::openMarks(bool open) {
    // While the pupil marks, Tab goes from power to power and Space marks the one it is on.
    for (int number = 0; number < 2; ++number) {
        const NumberControls& controls = m_form.controls().numbers[number];
        for (int k = 0; k < factorRowSize; ++k) {
            const bool power = open && !controls.bases[k]->text().isEmpty();
            controls.bases[k]->setFocusPolicy(power ? Qt::StrongFocus : Qt::ClickFocus);
            controls.bases[k]->setReadOnly(power);
        }
    }
    if (open)
        m_form.controls().numbers[0].bases[0]->setFocus();
}

bool PracticeSession::marksOpen() const {
    return m_numbers[0].done && m_numbers[1].done && m_marks && !m_marks->done();
}

void PracticeSession::toggleMark(int number, int k) {
    if (k >= std::max<int>(1, static_cast<int>(m_numbers[number].powers.size())))
        return;
    WorksheetBinding& worksheet = m_worksheets[number];
    const Colour mark = markColour(m_marking);
    worksheet.setPairColour(k, worksheet.baseColour(k) == mark ? colours::normal : mark);
}

bool PracticeSession::checkMarks(MarkRule rule) {
    if (!marksOpen() || rule != m_marking) {
        say(marksNotYet(rule), false);
        return false;
    }
    const Colour mark = markColour(rule);
    const MarksCheck check = m_marks->check(marked(0, mark), marked(1, mark));
    m_score.record(check.attempt);
    showScore();
    QString message = marksMessage(check);
    const bool right = check.mistake == MarksMistake::None;
    if (right && rule == MarkRule::CommonDivisor) {
        m_marking = MarkRule::CommonMultiple;
        m_marks.emplace(m_marking, m_numbers[0].powers, m_numbers[1].powers);
        message += u'\n' + marksPrompt(m_marking);
    } else if (right) {
        openMarks(false);
        // The end, as the demonstration ends: the m.c.m's powers blue, the others plain.
        for (WorksheetBinding& worksheet : m_worksheets)
            for (int k = 0; k < factorRowSize; ++k)
                if (worksheet.baseColour(k) == colours::divisorMark)
                    worksheet.setPairColour(k, colours::normal);
    }
    say(message, right);
    return right;
}

std::vector<bool> PracticeSession::marked(int number, Colour mark) const {
    std::vector<bool> marks;
    for (int k = 0; k < factorRowSize; ++k)
        marks.push_back(m_worksheets[number].baseColour(k) == mark);
    return marks;
}

std::vector<TypedPair> PracticeSession::typedRow(int number) const {
    std::vector<TypedPair> row;
    const WorksheetBinding& worksheet = m_worksheets[number];
    for (int k = 0; k < factorRowSize; ++k)
        row.push_back(
            {worksheet.baseText(k), worksheet.controls.exponents[k]->text().toStdString()});
    return row;
}

void PracticeSession::placeAnswer() {
    TextBox* field = m_form.controls().practice.answer;
    if (!m_on || m_answering < 0) {
        field->hide();
        m_form.placeAnswer(std::nullopt);
        return;
    }
    const PracticeLadder& ladder = *m_numbers[m_answering].ladder;
    const Column column =
        ladder.nextPlace() == LadderPlace::Divisor ? Column::Divisors : Column::Quotients;
    m_form.placeAnswer(
        AnswerPlace{m_answering, column, static_cast<int>(ladder.divisors().size())});
    // As the column prints: quotients to the right, divisors from the left.
    field->setAlignment((column == Column::Quotients ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignVCenter);
    field->show();
    field->setFocus();
}

void PracticeSession::say(const QString& message, bool right) {
    CaptionLabel* line = m_form.controls().practice.message;
    line->setCaption(message);
    // The pupil's focus is on the answer: a screen reader hears the message only if told.
    m_announcer.announce(message);
    QPalette colours = line->palette();
    colours.setColor(QPalette::WindowText, toQColor(right ? rightColour : wrongColour));
    line->setPalette(colours);
}

void PracticeSession::showScore() {
    m_form.controls().practice.score->setCaption(m_on ? scoreLine(m_score) : QString());
}

bool PracticeSession::eventFilter(QObject* watched, QEvent* event) {
    if (!m_on || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    for (int number = 0; number < 2; ++number) {
        const NumberControls& controls = m_form.controls().numbers[number];
        for (int k = 0; k < factorRowSize; ++k) {
            if (watched != controls.bases[k] && watched != controls.exponents[k])
                continue;
            const Number& practised = m_numbers[number];
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && practised.row &&
                !practised.done) {
                checkRow(number);
                return true;
            }
            if (key == Qt::Key_Space && marksOpen()) {
                toggleMark(number, k);
                return true;
            }
            // A finished row is written as the demonstration wrote it: no more typing.
            if (practised.done && !static_cast<QKeyEvent*>(event)->text().isEmpty())
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
