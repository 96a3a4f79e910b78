#pragma once
// Appends every frame sent and every report received to a text file, with a
// timestamp and its direction, for support and debugging. Bytes outside
// printable ASCII are written as \xNN.

#include "frames/frame_codec.h"

#include <filesystem>
#include <fstream>
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

private:
    void Write(const char* direction, const std::string& text);

    std::ofstream out_;
};

} // namespace mervadin
