#pragma once
// What a status frame from the device says: call state, signal, number,
// keys pressed, call counter, talking time and levels, the device model,
// and whether it carries a call record. Tags absent from the frame give
// empty values, never bytes read from elsewhere.

#include "frames/frame_codec.h"

#include <optional>
#include <string>
#include <vector>

namespace mervadin {

struct DeviceModel {
    std::string id;          // "kemo0001" ...
    std::string displayName; // "KEMO-0001" ...
    int speakerMax;          // the speaker box lists 0 .. speakerMax after "-OFF-"
    int speakerIndex;        // selected when the model is recognised
    int micMax;
    int micIndex;
};

const std::vector<DeviceModel>& DeviceModels();

// A call record announced by a status frame ("cdr:" followed by its fields),
// as the call lists keep it.
struct LiveRecord {
    std::string line; // "Group[..],\tName[..],\t...,\tRemark[]"
    char type;        // after "Type:", 0 when there is none: it decides the list
};

struct StatusReport {
    std::optional<int> signal; // q after "mastercsq:"
    int signalBars = 0;        // 0-4 green bars
    std::string stateName;     // "Idel", ... (empty for codes above 16 or no tag)
    std::string number;
    std::string keys;
    std::string counter; // empty at 100095 and above, or without the tag
    std::string talking;
    std::string speaker;
    std::string microphone;
    std::optional<LiveRecord> record;
    std::string statusLine; // "M-Station:Idel; M-number:...; ..."
};

// Lit bars for a signal value: 1-6 one, 7-9 two, 10-12 three, 13-31 four.
int SignalBars(int q);

// The value after a tag, up to the next ";" (at most 32 characters).
std::string TagValue(Bytes frame, std::string_view tag);

// The call record the frame carries; its fields missing from the frame are
// empty.
LiveRecord DecodeLiveRecord(Bytes frame);

StatusReport DecodeStatus(Bytes frame);

// The models named in the frame, in table order, that differ from `current`;
// the last of them becomes the current model.
std::vector<const DeviceModel*> ModelsNamed(Bytes frame, const std::string& current);

} // namespace mervadin
