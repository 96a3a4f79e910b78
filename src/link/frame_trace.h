#pragma once
// Appends every frame sent and every report received to a text file, with a
// timestamp and its direction, for support and debugging. Bytes outside
// printable ASCII are written as \xNN.

#include "frames/frame_codec.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace mervadin {

class FrameTrace {
public:
    // Opens the file for appending; throws FileError when it cannot.
    explicit FrameTrace(const std::filesystem::path& file);

    void Sent(Bytes frame);
    void Received(Bytes data);
    void Note(const std::string& text);

    static std::string Escape(Bytes data);

    // Why the trace stopped being written (a full disk), or nothing. Once a
    // write fails, nothing more is written.
    const std::optional<std::string>& Failure() const { return failure_; }

private:
    void Write(const char* direction, const std::string& text);

    std::filesystem::path file_;
    std::ofstream out_;
    std::optional<std::string> failure_;
};

} // namespace mervadin
