#pragma once
// A list's outcome as a section of the statistics report: its totals, what
// was counted apart, and a small table of the numbers by outcome.

#include "files/work_folder.h"
#include "round/outcome_files.h"
#include "statistics/statistics_report.h"

namespace mervadin {

ReportTable OutcomeSection(const RoundOutcome& round);

// The report's list section for the lists of `folder`, read in the chosen
// encoding.
ReportListSection OutcomeSectionOf(const WorkFolder& folder);

} // namespace mervadin
