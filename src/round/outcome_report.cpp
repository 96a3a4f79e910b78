#include "round/outcome_report.h"

#include "files/path_text.h"
#include "qtcore/text_codec.h"
#include "qtcore/translation.h"
#include "round/outcome_table.h"
#include "statistics/call_statistics.h"

#include <QCoreApplication>

#include <array>

namespace mervadin {

namespace {

// The texts of this file's free functions, in their own translation context.
constexpr const char* kTrContext = "mervadin::OutcomeReport";
QString tr(const char* text) {
    return QCoreApplication::translate(kTrContext, text);
}

struct ReachFigures {
    std::size_t numbers = 0;
    std::uint64_t calls = 0, connected = 0, talkSeconds = 0;

    void Add(const NumberOutcome& number) {
        ++numbers;
        calls += number.Attempts();
        connected += number.connected;
        talkSeconds += number.talkSeconds;
    }
    QStringList Cells(const QString& label, std::size_t all) const {
        const double share =
            all == 0 ? 0 : 100.0 * static_cast<double>(numbers) / static_cast<double>(all);
        return {label,
                QString::fromStdString(GroupedCount(numbers)),
                QString::number(share, 'f', 1) + "%",
                QString::fromStdString(GroupedCount(calls)),
                QString::fromStdString(GroupedCount(connected)),
                QString::fromStdString(ClockText(talkSeconds))};
    }
};

} // namespace

ReportTable OutcomeSection(const RoundOutcome& round) {
    ReportTable section;
    section.title =
        //: %1 is the number list file's name.
        tr("Outcome of the list %1").arg(QString::fromStdString(Utf8Of(round.listFile.filename())));
    const ListOutcome& outcome = round.outcome;
    section.lines << QString::fromStdString(TotalsText(outcome.Totals(), UiMarkedString));
    if (const std::string apart = SetApartText(outcome, UiMarkedString); !apart.empty())
        section.lines << QString::fromStdString(apart);
    section.header = {tr("Outcome"), tr("Numbers"),   tr("Share"),
                      tr("Calls"),   tr("Connected"), tr("Talking time")};
    std::array<ReachFigures, kReaches> byReach{};
    ReachFigures all;
    for (const auto& number : outcome.Numbers()) {
        byReach[static_cast<std::size_t>(number.Outcome())].Add(number);
        all.Add(number);
    }
    for (std::size_t reach = 0; reach < kReaches; ++reach)
        section.rows.push_back(
            byReach[reach].Cells(UiMarked(ReachText(static_cast<Reach>(reach))), all.numbers));
    section.rows.push_back(all.Cells(tr("All"), all.numbers));
    return section;
}

ReportListSection OutcomeSectionOf(const WorkFolder& folder) {
    return [folder](const std::filesystem::path& list, const DayRange& range) {
        return OutcomeSection(ComputeOutcome(folder, list, range, TextCodec::Chosen()));
    };
}

} // namespace mervadin
