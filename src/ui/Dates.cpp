#include "ui/Dates.h"

#include "core/Voice.h"
#include "game/GameDay.h"
#include "ui/Translation.h"

#include <QCoreApplication>

namespace tavo::ui {
namespace {

constexpr const char* kContext = "tavo::ui::Dates";

// Each month's short name: English cuts the name to three letters; other
// languages have their own (French "juin" and "juil.").
const char* const kShortMonths[12] = {
    QT_TRANSLATE_NOOP("tavo::ui::Dates", "Jan"), QT_TRANSLATE_NOOP("tavo::ui::Dates", "Feb"),
    QT_TRANSLATE_NOOP("tavo::ui::Dates", "Mar"), QT_TRANSLATE_NOOP("tavo::ui::Dates", "Apr"),
    QT_TRANSLATE_NOOP("tavo::ui::Dates", "May"), QT_TRANSLATE_NOOP("tavo::ui::Dates", "Jun"),
    QT_TRANSLATE_NOOP("tavo::ui::Dates", "Jul"), QT_TRANSLATE_NOOP("tavo::ui::Dates", "Aug"),
    QT_TRANSLATE_NOOP("tavo::ui::Dates", "Sep"), QT_TRANSLATE_NOOP("tavo::ui::Dates", "Oct"),
    QT_TRANSLATE_NOOP("tavo::ui::Dates", "Nov"), QT_TRANSLATE_NOOP("tavo::ui::Dates", "Dec")};

} // namespace

QString dateText(int day, int month, int year) {
    const char* name = monthName(month);
    if (name == nullptr) return {};
    // Some languages write the first of a month apart ("1er janvier").
    const QString pattern =
        day == 1 ? QCoreApplication::translate("tavo::ui::Dates", "%1 %2 %3",
                                               "the first of a month: day, month's name, year")
                 : QCoreApplication::translate("tavo::ui::Dates", "%1 %2 %3",
                                               "a date: day, month's name, year");
    return QString::fromStdString(
        fillPlaces(pattern.toStdString(),
                   {std::to_string(day), translated(name).toStdString(), std::to_string(year)}));
}

QString shortMonthText(int month, int year) {
    if (month < 1 || month > 12) return QString::number(year);
    return QCoreApplication::translate(kContext, kShortMonths[month - 1]) + QLatin1Char(' ') +
           QString::number(year);
}

} // namespace tavo::ui
