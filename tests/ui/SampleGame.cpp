#include "SampleGame.h"

#include "support/States.h"

#include "bars/BarList.h"
#include "bars/DrinkList.h"
#include "core/FileIo.h"
#include "core/FixedText.h"
#include "ui/TGameForm.h"
#include "ui/TMainForm.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <stdexcept>
#include <vector>

namespace tavo::ui::test {
namespace {

using tavo::test::makeBar;
using tavo::test::makeDrink;

template <typename Entry>
void writeList(const QString& path, const std::vector<Entry>& entries) {
    writeFileAtomically(path.toStdString(), entries.data(), entries.size() * sizeof(Entry));
}

} // namespace

GameFolder::GameFolder(Lists lists, const ConfigRecord* config) : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
    if (config != nullptr && !writeConfig("config.kpl", *config))
        throw std::runtime_error("cannot write config.kpl");
    if (lists == ShippedLists) {
        for (const char* name : {"def.bar", "drinks.drk", "drinksUS.drk"})
            QFile::copy(QStringLiteral(TAVO_DATA_DIR "/") + QLatin1String(name),
                        path(QLatin1String(name)));
        return;
    }
    writeList(path(QStringLiteral("def.bar")),
              std::vector<BarListEntry>{makeBar("The Rusty Anchor", 12000, 5, 120),
                                        makeBar("Velvet Lounge", 60000, 5, 120),
                                        makeBar("Crypt Club", 30000, 5, 120)});
    writeList(path(QStringLiteral("drinks.drk")),
              std::vector<DrinkListEntry>{
                  makeDrink("Blonde Ale", "2.50"), makeDrink("Stout", "3.10"),
                  makeDrink("Red Lager", "2.20"), makeDrink("Tequila", "4", 1),
                  makeDrink("Vodka Shot", "3.75", 1), makeDrink("Cider", "2.80")});
}

GameFolder::~GameFolder() {
    QDir::setCurrent(previous_);
}

Program::Program(GameFolder::Lists lists, const ConfigRecord* config)
    : folder(lists, config), game(forms.mainForm->game()), gameForm(*forms.gameForm) {}

GameState sampleGame() {
    GameState state{};
    state.version = kSaveVersion;
    state.barCapacity = kMaxBars;
    setFixedText(state.ownerName, "Jo Martel");
    state.ownerType = 3;
    state.credibility = 2;
    state.knowledge = 2;
    state.money = 48215.5;
    state.lottoJackpot = 3000000;
    state.day = 14;
    state.weekDay = 3;
    state.month = 3;
    state.year = 1983;
    const char* names[] = {"The Rusty Anchor", "Velvet Lounge", "Crypt Club"};
    for (int b = 0; b < 3; ++b) {
        BarRecord& bar = state.bars[b];
        setFixedText(bar.barName, names[b]);
        bar.listIndex = b;
        bar.clientsPerDay = 40 + 20 * b;
        bar.maxClients = 120;
        bar.isOpen = 1;
        bar.entryPrice = 2 + b;
        bar.costPerMonth = 600 * (b + 1);
        bar.barClass = b + 1;
        bar.drinkCount = b == 0 ? 6 : 3;
        for (int k = 0; k < bar.drinkCount; ++k) {
            DrinkSlot& slot = bar.drinks[k];
            slot.drinkIndex = k % 6;
            slot.stock = 80 + 17 * k;
            slot.salePrice = 4.5 + k;
            slot.inUse = 1;
            slot.fairPrice = 1;
        }
    }
    state.barCount = 3;
    state.monthlyCharges = 3600;
    state.monthlyTaxes = 7500;
    return state;
}

QString enterAndFocusFault(QWidget* window, QPushButton* main, QWidget* field) {
    const QString name = window->metaObject()->className();
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->isDefault() != (button == main) || (button != main && button->autoDefault()))
            return name + QStringLiteral(": Enter is not only for the main action (") +
                   button->text() + QLatin1Char(')');
    for (int showing = 0; showing < 2; ++showing) {
        window->show();
        const bool focused = window->focusWidget() == field;
        window->hide();
        if (!focused) return name + QStringLiteral(": the keyboard is not in the first field");
    }
    return {};
}

} // namespace tavo::ui::test
