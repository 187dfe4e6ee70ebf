#include "ui/Outcomes.h"

#include "banks/BankIds.h"
#include "leisure/Race.h"
#include "staff/Roster.h"
#include "ui/Text.h"
#include "ui/Translation.h"

#include <QAccessible>
#include <QFileInfo>
#include <QStatusBar>

#include <algorithm>
#include <cstdlib>

namespace tavo::ui {

Notice::Notice(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // A long line never widens the window: what does not fit is cut.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Nothing said yet: an empty line would be heard as its window shows.
    setVisible(false);
}

void Notice::say(const QString& text) {
    setText(text);
    // Shown anew, the line reaches assistive tools as a notification that
    // appears; in one turn of the event loop, so nothing flickers.
    if (QWidget* window = this->window(); window && window->isVisible()) {
        hide();
        show();
    }
    emit said(text);
}

Outcomes::Outcomes(Session& session, QStatusBar* bar, QObject* parent)
    : QObject(parent), session_(session), notice_(new Notice) {
    bar->addWidget(notice_, 1);
    remember();
}

void Outcomes::remember() {
    const GameState& state = session_.game().state;
    staff_.clear();
    for (int i = 0; i < hiredAdminCount(state); ++i)
        staff_.push_back(state.admins[i].staffId);
    const Race& race = session_.game().race;
    raceShown_ = {race.comments, race.crashInfoShown ? race.crashInfo : Phrase(), race.winner};
}

void Outcomes::gameReplaced() {
    notice_->clear();
    notice_->hide();
    remember();
}

void Outcomes::messagePosted(const Phrase& text) {
    notice_->say(translated(text));
}

void Outcomes::gameSaved(const std::string& path) {
    notice_->say(tr("Game saved as %1.").arg(QFileInfo(QString::fromStdString(path)).fileName()));
}

void Outcomes::speedChosen() {
    const GameClock& clock = session_.clock();
    const QString speeds[4] = {tr("Slow"), tr("Normal"), tr("Fast"), tr("Pause")};
    notice_->say(clock.speed() == GameClock::Pause ? tr("The clock is paused.")
                                                   : tr("Speed: %1.").arg(speeds[clock.speed()]));
}

void Outcomes::raceMoved() {
    const Race& race = session_.game().race;
    const std::array<Phrase, 3> now = {
        race.comments, race.crashInfoShown ? race.crashInfo : Phrase(), race.winner};
    QStringList lines;
    for (std::size_t i = 0; i < now.size(); ++i)
        if (!now[i].empty() && !(now[i] == raceShown_[i]))
            lines << (i == 2 ? tr("The race winner:") + QLatin1Char(' ') + translated(now[i])
                             : translated(now[i]));
    raceShown_ = now;
    if (!lines.isEmpty()) notice_->say(lines.join(QLatin1Char(' ')));
}

void Outcomes::commandDone(const ScriptCommand& command, const CommandResult& result) {
    const std::string& name = command.name;
    const GameState& state = session_.game().state;
    const auto argument = [&](std::size_t i) {
        return i < command.args.size() ? command.args[i].text : std::string();
    };
    if (result.ran && name == "toggle") {
        const BarRecord& bar = state.bars[std::clamp(state.currentBar, 0, kMaxBars - 1)];
        const QString barName = fromFixed(bar.barName);
        notice_->say(bar.isOpen ? tr("%1 is open.").arg(barName)
                                : tr("%1 is closed.").arg(barName));
    } else if (result.paid) {
        const NumberFormat& format = session_.game().numberFormat;
        notice_->say(tr("Drinks ordered for %1$. Your money: %2$.")
                         .arg(generalText(*result.paid, format), generalText(state.money, format)));
    } else if (result.ran && result.value == 1 && (name == "hire-admin" || name == "hire")) {
        if (const Candidate* hired = findCandidate(std::atoi(argument(0).c_str())))
            notice_->say(tr("%1 works for you now.").arg(QString::fromLatin1(hired->name)));
    } else if (result.ran && result.value == 1 &&
               (name == "dismiss-admin" || name == "fire-admin")) {
        const int index = std::atoi(argument(0).c_str());
        if (index >= 0 && index < static_cast<int>(staff_.size()))
            if (const Candidate* gone = findCandidate(staff_[index]))
                notice_->say(tr("%1 has left.").arg(QString::fromLatin1(gone->name)));
    } else if (result.ran && result.value == 1 && name == "ticket") {
        const LottoTicket& ticket =
            state.lottoTickets[std::clamp(state.lottoTicketCount - 1, 0, kMaxLottoTickets - 1)];
        QStringList numbers;
        for (const std::int32_t number : ticket.numbers)
            numbers << QString::number(number);
        notice_->say(tr("Ticket bought: %1.").arg(numbers.join(QStringLiteral(", "))));
    } else if (result.spin) {
        const auto& reels = session_.game().spinCash.reels;
        const QString shown =
            QStringLiteral("%1 - %2 - %3").arg(reels[0]).arg(reels[1]).arg(reels[2]);
        notice_->say(result.spin->won ? tr("%1: you win %2$.").arg(shown).arg(result.spin->paid)
                                      : tr("%1: you lose %2$.").arg(shown).arg(result.spin->stake));
    } else if (name == "race-start" || name == "race-step") {
        raceMoved();
    } else if (result.ran && result.value == 1 && (name == "sign-up" || name == "insure")) {
        const BankAccount& bank = state.bankAccounts[kGermanBank];
        notice_->say(bank.fireInsured && bank.theftInsured ? tr("Insured against fire and theft.")
                     : bank.fireInsured                    ? tr("Insured against fire.")
                     : bank.theftInsured                   ? tr("Insured against theft.")
                                                           : tr("No insurance held now."));
    }
    remember();
}

} // namespace tavo::ui
