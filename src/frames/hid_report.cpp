#include "frames/hid_report.h"

#include <algorithm>

namespace mervadin {

std::vector<Report> CutIntoReports(Bytes frame) {
    std::vector<Report> reports;
    for (std::size_t at = 0; at < frame.size() && reports.size() < kMaxReportsPerFrame;
         at += kReportPayload) {
        Report report{};
        const std::size_t count = std::min(kReportPayload, frame.size() - at);
        std::copy_n(frame.begin() + static_cast<std::ptrdiff_t>(at), count, report.begin() + 1);
        reports.push_back(report);
    }
    return reports;
}

} // namespace mervadin
