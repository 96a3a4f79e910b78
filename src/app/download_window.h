#pragma once
// The download window: writes the settings (and, through its other
// commands, the number list and a voice file) into the device, showing the
// exchange in its progress memo and error memo.

#include "files/work_folder.h"
#include "settings/settings_block.h"
#include "ui/operation_window.h"
#include "voice/voice_buffer.h"

class QTextBlock;

namespace mervadin {

class DownloadWindow : public OperationWindow {
    Q_OBJECT
public:
    // `voice` is what the hidden write-voice command writes.
    DownloadWindow(DeviceLink& link, WorkFolder folder, Prompts& prompts, VoiceBuffer& voice,
                   QWidget* parent = nullptr);

    void WriteSetting();
    void WriteNumber();
    void WriteVoice();

    void AppendErrorMemo(const ShownText& line) override;
    void ClearErrorMemo() override;

private:
    int HeightOf(const QTextBlock& block) const;
    void FitErrorMemo();

    WorkFolder folder_;
    VoiceBuffer& voice_;
    MemoBox* errors_ = nullptr;
    int errorHeight_ = 0; // the height the error memo's lines take
};

// "Current Data: " with the date as 2026/12/6   9/05/07.
std::string CurrentDataLine(const LocalTime& at);

} // namespace mervadin
