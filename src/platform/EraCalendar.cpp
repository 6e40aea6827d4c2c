#include "EraCalendar.h"

#include <QDateTime>

#include <memory>
#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace {

// ICU's Japanese calendar numbers the eras from 大化 (645); 明治 is era 232.
constexpr int32_t MeijiEra = 232;
const QDate MeijiStart(1868, 9, 8);

struct Japanese
{
    std::unique_ptr<icu::Calendar> calendar;
    const icu::UnicodeString *eraNames = nullptr;
    int32_t eraCount = 0;
    std::unique_ptr<icu::DateFormatSymbols> symbols;
};

const Japanese &japanese()
{
    static const Japanese instance = [] {
        Japanese j;
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale locale("ja_JP@calendar=japanese");
        j.calendar.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
        j.symbols = std::make_unique<icu::DateFormatSymbols>(icu::Locale("ja_JP"), "japanese", status);
        if (U_FAILURE(status) || !j.calendar)
            qFatal("ICU has no Japanese calendar: %s", u_errorName(status));
        j.eraNames = j.symbols->getEras(j.eraCount);
        return j;
    }();
    return instance;
}

} // namespace

namespace EraCalendar {

std::optional<EraYear> eraYearOf(const QDate &date)
{
    if (!date.isValid() || date < MeijiStart)
        return std::nullopt;
    const Japanese &j = japanese();
    UErrorCode status = U_ZERO_ERROR;
    // Noon of the day in GMT, so that no time zone can move the date.
    const QDateTime noon(date, QTime(12, 0), Qt::UTC);
    j.calendar->setTime(UDate(noon.toMSecsSinceEpoch()), status);
    const int32_t era = j.calendar->get(UCAL_ERA, status);
    const int32_t year = j.calendar->get(UCAL_YEAR, status);
    if (U_FAILURE(status) || era < MeijiEra || era >= j.eraCount)
        return std::nullopt;
    std::string name;
    j.eraNames[era].toUTF8String(name);
    return EraYear{QString::fromStdString(name), year};
}

} // namespace EraCalendar
