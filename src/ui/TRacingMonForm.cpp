#include "ui/TRacingMonForm.h"

#include "ui/Accessibility.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/Text.h"
#include "ui/Translation.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace tavo::ui {
namespace {

constexpr int kTrackWidth = 600;
constexpr int kTrackHeight = 134;

// The win message is shown over the finished step: the window shows the
// step before the message box opens.
class ShownFirst final : public Voice {
public:
    ShownFirst(Voice& voice, std::function<void()> show) : voice_(voice), show_(std::move(show)) {}
    void say(const Words& words) override {
        show_();
        voice_.say(words);
    }
    bool ask(const Words& words) override {
        show_();
        return voice_.ask(words);
    }

private:
    Voice& voice_;
    std::function<void()> show_;
};

QLabel* pictureLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(picture(name));
    label->setFixedSize(label->pixmap().deviceIndependentSize().toSize());
    return label;
}

} // namespace

TRacingMonForm::TRacingMonForm(Session& session, Dialogs& dialogs)
    : QDialog(nullptr), race(session.game().race), session_(session), game_(session.game()),
      voice_(dialogs, this) {
    setWindowTitle(tr("Racing Money - The fastest way to win money"));
    setModal(false);
    RaceTimer = new GameTimer(
        150, false, [this] { RaceTimerTimer(); }, this);

    auto* layout = new QVBoxLayout(this);
    // The cars move over the track by their left and top edges.
    auto* track = new QWidget;
    track->setFixedSize(kRaceStartX + kTrackWidth + 8, kTrackHeight);
    pictureLabel(QStringLiteral("race-track"), track)->move(kRaceStartX, 0);
    const char* const colours[] = {"blue", "purple", "yellow", "green"};
    for (int car = 0; car < kRaceCars; ++car)
        Cars[car] = pictureLabel(QStringLiteral("race-car-") + QLatin1String(colours[car]), track);
    CarCrash = pictureLabel(QStringLiteral("race-crash"), track);
    CarCrash->hide();
    layout->addWidget(track, 0, Qt::AlignHCenter);

    auto* middle = new QHBoxLayout;
    BetBox = new QGroupBox(tr("Choose the car you bet on"));
    auto* bet = new QGridLayout(BetBox);
    Car1Bet = new QRadioButton(tr("Car 1 (Blue)"));
    Car2Bet = new QRadioButton(tr("Car 2 (Purple)"));
    Car3Bet = new QRadioButton(tr("Car 3 (Yellow)"));
    Car4Bet = new QRadioButton(tr("Car 4 (Green)"));
    for (int car = 0; car < kRaceCars; ++car) {
        bet->addWidget(betChoices()[car], car / 2, car % 2);
        // A screen reader reads each car, in its lane, by the bet's caption.
        Cars[car]->setAccessibleName(betChoices()[car]->text());
    }
    bet->addWidget(new QLabel(tr("How much do you bet?")), 2, 0, 1, 2);
    auto* amount = new QHBoxLayout;
    BetCash = new QLineEdit(QStringLiteral("0"));
    BetCash->setToolTip(tr("Bet some money. If you bet 100$, you'll win 200$"));
    BetCash->setAlignment(Qt::AlignRight);
    amount->addWidget(BetCash, 1);
    amount->addWidget(new QLabel(QStringLiteral("$")));
    bet->addLayout(amount, 3, 0, 1, 2);
    auto* twice = new QLabel(tr("You'll win X2 your bet!"));
    QFont bold = twice->font();
    bold.setBold(true);
    twice->setFont(bold);
    bet->addWidget(twice, 4, 0, 1, 2);
    middle->addWidget(BetBox);

    auto* coverage = new QGroupBox(tr("Live coverage of this race"));
    auto* talk = new QVBoxLayout(coverage);
    Comments = new QLabel(translated(kRaceWelcome));
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Comments->setFont(bold);
    Comments->setMinimumHeight(Comments->fontMetrics().lineSpacing() * 3);
    talk->addWidget(Comments, 1);
    CarCrashInfo = new QLabel(translated(kRaceAllRacing));
    CarCrashInfo->setStyleSheet(QStringLiteral("color: #b00000"));
    CarCrashInfo->hide();
    // The line keeps its room while hidden, so the commentary never jumps.
    QSizePolicy keep = CarCrashInfo->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    CarCrashInfo->setSizePolicy(keep);
    talk->addWidget(CarCrashInfo);
    middle->addWidget(coverage, 1);
    layout->addLayout(middle);

    auto* boxes = new QGridLayout;
    WinnerBox = new QLineEdit;
    WinnerBox->setReadOnly(true);
    RaceLeaderBox = new QLineEdit;
    RaceLeaderBox->setReadOnly(true);
    boxes->addWidget(new QLabel(tr("The race winner:")), 0, 0);
    boxes->addWidget(WinnerBox, 0, 1);
    boxes->addWidget(new QLabel(tr("The current race leader:")), 0, 2);
    boxes->addWidget(RaceLeaderBox, 0, 3);
    layout->addLayout(boxes);
    StartRace = new QPushButton(tr("&Start The Race"));
    CloseBut = new QPushButton(tr("&Close"));
    layout->addLayout(buttonRow({StartRace, CloseBut}));

    connect(StartRace, &QPushButton::clicked, this, &TRacingMonForm::StartRaceClick);
    connect(CloseBut, &QPushButton::clicked, this, &TRacingMonForm::CloseButClick);
    setMainAction(this, StartRace);
    focusOnShow(this, Car1Bet);
    showRace();
}

void TRacingMonForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TRacingMonForm::FormShow() {
    showRace();
}

void TRacingMonForm::showRace() {
    for (int car = 0; car < kRaceCars; ++car) {
        Cars[car]->move(race.cars[car].x, race.cars[car].y);
        Cars[car]->setVisible(race.wreck != car + 1);
        const int done = std::clamp(
            (race.cars[car].x - kRaceStartX) * 100 / (kRaceFinishX - kRaceStartX), 0, 100);
        Cars[car]->setAccessibleDescription(tr("%1 % of the race run").arg(done));
    }
    if (race.wreck != 0) {
        const RaceCar& wreck = race.cars[race.wreck - 1];
        CarCrash->move(wreck.x, wreck.y);
    }
    CarCrash->setVisible(race.wreck != 0);
    BetBox->setEnabled(!race.running);
    StartRace->setEnabled(!race.running);
    Comments->setText(translated(race.comments));
    CarCrashInfo->setText(translated(race.crashInfo));
    CarCrashInfo->setVisible(race.crashInfoShown);
    WinnerBox->setText(translated(race.winner));
    RaceLeaderBox->setText(translated(race.leader));
    RaceTimer->setEnabled(race.running);
}

void TRacingMonForm::StartRaceClick() {
    int chosen = 0;
    for (int car = 0; car < kRaceCars; ++car)
        if (betChoices()[car]->isChecked()) chosen = car + 1;
    // A bet that does not convert ends the handler here, nothing charged.
    session_.run(
        command("race-start", {word(std::to_string(chosen)), typed(toStd(BetCash->text()))}),
        voice_);
    showRace();
}

void TRacingMonForm::CloseButClick() {
    hide(); // a race goes on to its end
}

void TRacingMonForm::gameReplaced() {
    // The game's race was left unpaid with it.
    hide();
    showRace();
}

void TRacingMonForm::RaceTimerTimer() {
    // While the win message is open the race waits: a tick then is skipped,
    // so no step runs before the message is closed and none runs twice.
    if (stepping_) return;
    const QScopedValueRollback<bool> stepping(stepping_, true);
    // The cars and the leader run silent: the status line says the
    // commentary and the winner.
    const RunningFigures running{Cars[0], Cars[1], Cars[2], Cars[3], RaceLeaderBox};
    ShownFirst voice(voice_, [this] { showRace(); });
    session_.run(command("race-step"), voice);
    showRace();
}

} // namespace tavo::ui
