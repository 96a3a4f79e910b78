#include "link/frame_trace.h"

#include "common/local_time.h"
#include "files/file_error.h"

#include <chrono>
#include <cstdio>

namespace mervadin {

namespace {

std::string Timestamp() {
    using namespace std::chrono;
    const auto millis =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 1000;
    const LocalTime t = Now();
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, static_cast<int>(millis));
    return text;
}

} // namespace

FrameTrace::FrameTrace(const std::filesystem::path& file)
    : file_(file), out_(file, std::ios::binary | std::ios::app) {
    if (!out_)
        throw FileError(file, "cannot open the trace file for appending");
}

std::string FrameTrace::Escape(Bytes data) {
    std::string text;
    text.reserve(data.size());
    for (std::uint8_t byte : data) {
        if (byte == '\\') {
            text += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += static_cast<char>(byte);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            text += hex;
        }
    }
    return text;
}

void FrameTrace::Sent(Bytes frame) {
    Write("->", Escape(frame));
}

void FrameTrace::Received(Bytes data) {
    Write("<-", Escape(data));
}

void FrameTrace::Note(const std::string& text) {
    Write("--", text);
}

void FrameTrace::Write(const char* direction, const std::string& text) {
    if (failure_)
        return;
    out_ << Timestamp() << ' ' << direction << ' ' << text << '\n';
    out_.flush();
    if (!out_)
        failure_ = file_.string() + ": the trace could not be written (disk full?)";
}

} // namespace mervadin
